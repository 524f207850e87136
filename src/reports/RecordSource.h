#pragma once
// What the report layout reads: the records of one dataset as text and
// pictures. The driving source is stepped from its first record to the end;
// any other source is read where its owner left it.
#include "reports/PreparedPicture.h"

#include <QImage>
#include <QString>

#include <functional>

class RecordSource {
public:
    virtual ~RecordSource() = default;

    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    virtual int recordCount() const = 0;

    // The field's text as a report prints it (its display format where it has
    // one); empty for a missing field, no current record or an unreadable value.
    virtual QString text(const QString &field) const = 0;
    // The picture of a graphic field; a null image when there is none.
    virtual QImage picture(const QString &field) const = 0;
    // The same picture as a report holds it, encoded; a source that keeps its
    // pictures encoded hands them on without decoding them.
    virtual PreparedPicture preparedPicture(const QString &field) const { return PreparedPicture(picture(field)); }

    // The production stepping these records now (a report asked for again
    // from another window): it is finished before another starts, since two
    // layouts moving one cursor in turn would mix their rows.
    struct Stepping {
        const void *by = nullptr;
        std::function<void()> finish;
    };
    mutable Stepping stepping;
};

#pragma once
// The records of a dataset (table or query) as a report reads them.
#include "reports/RecordSource.h"

#include <QPointer>
#include <memory>

class DataSet;

class DataSetRecords : public RecordSource {
public:
    explicit DataSetRecords(DataSet *dataSet);

    void first() override;
    void next() override;
    bool eof() const override;
    int recordCount() const override;
    // Display text: through the field's display format where it has one; a
    // memo's text as stored; nothing for a graphic field, a field the dataset
    // lacks, no current record or a value that cannot be read.
    QString text(const QString &field) const override;
    QImage picture(const QString &field) const override;
    // A stored bitmap packed as it is, without decoding it.
    PreparedPicture preparedPicture(const QString &field) const override;

private:
    // The graphic field's stored value, header and all; empty when there is none.
    QByteArray storedPicture(const QString &field) const;

    QPointer<DataSet> m_dataSet;
};

namespace reports {
inline std::shared_ptr<RecordSource> recordsOf(DataSet *dataSet) { return std::make_shared<DataSetRecords>(dataSet); }
} // namespace reports

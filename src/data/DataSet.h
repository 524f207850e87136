#pragma once
// A dataset: an ordered, possibly filtered set of rows, a cursor on one of
// them, a record buffer and a state. Tables and queries derive from it.
//
// State machine: Inactive -> Browse on open; Browse -> Edit (edit(), or typing
// in a bound control) / Insert (append(), insert()); post() stores and returns
// to Browse, cancel() drops and returns to Browse. Moving the cursor posts a
// changed record or cancels an unchanged edit first; close() drops it.
// Errors are raised as EDatabaseError / EConvertError; a refused post leaves
// the record in its Edit or Insert state.
#include "data/Field.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

enum class DataSetState { Inactive, Browse, Edit, Insert };

class DataSet : public QObject {
    Q_OBJECT
public:
    explicit DataSet(QObject *parent = nullptr);
    ~DataSet() override;

    // The database alias, "KV" for every dataset of the system.
    QString databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &alias) { m_databaseName = alias; }

    bool active() const { return state() != DataSetState::Inactive; }
    void setActive(bool on) { on ? open() : close(); }
    void open();   // no effect when open; goes to the first record
    void close();  // no effect when closed; drops a pending edit
    DataSetState state() const { return m_state; }

    // Cursor.
    void first();
    void prior();
    void next();
    void last();
    bool bof() const;
    bool eof() const;
    bool isEmpty() const;
    int recNo() const;          // 1-based position in the visible rows, 0 when empty
    void setRecNo(int recNo);
    int recordCount() const;    // visible rows

    // Fields of the current record.
    QList<Field *> fields() const;
    Field *findField(const QString &name) const;  // case-insensitive; nullptr when absent
    Field *fieldByName(const QString &name) const; // raises "Field '<name>' not found"

    // Editing.
    void append();   // new empty record at the end, Insert state
    void insert();   // new empty record at the current position, Insert state
    void edit();     // Edit state (no effect in Edit or Insert)
    void post();
    void cancel();
    void deleteRecord();
    void refresh();  // re-read the rows, keeping the current record when it still exists
    bool canModify() const;
    bool modified() const;  // the record buffer was changed since edit/insert

    // Filter of the forms "Field='value'" / "Field ='value'" (single quotes,
    // inner quotes doubled). Anything else raises an engine error when applied.
    QString filter() const;
    void setFilter(const QString &text);
    bool filtered() const;
    void setFiltered(bool on);

signals:
    void stateChanged();           // state moved (open, close, edit, post, cancel...)
    void recordChanged();          // the cursor moved to another record / rows re-read
    void fieldChanged(Field *f);   // a field of the current record was written
    void rowsChanged();            // rows inserted, deleted or re-read

protected:
    class Impl;
    std::unique_ptr<Impl> d;
    friend class Field;

private:
    QString m_databaseName = QStringLiteral("KV");
    DataSetState m_state = DataSetState::Inactive;
};

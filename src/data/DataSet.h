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
#include <functional>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

enum class DataSetState { Inactive, Browse, Edit, Insert };

struct RowSelection;
struct TableDef;

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
    Field *fieldByName(const QString &name) const; // raises "Field '<name>' tidak ditemukan"

    // Editing.
    void append();   // new empty record at the end, Insert state
    void insert();   // new empty record at the current position, Insert state
    void edit();     // Edit state (no effect in Edit or Insert)
    void post();
    void cancel();
    void deleteRecord();
    void refresh();  // re-read the rows, keeping the current record when it still exists
    bool canModify() const;

    // Controls that hold text not yet written into a field register a write
    // here; updateRecord() runs them, at the start of post() and before any
    // operation that posts a pending edit first. A write may raise (a
    // conversion error): the operation then stops and the record keeps its
    // state. `holder` names the registration for removeTextHolder().
    void addTextHolder(const void *holder, std::function<void()> write);
    void removeTextHolder(const void *holder);
    void updateRecord();
    bool modified() const;  // the record buffer was changed since edit/insert

    // Filter of the forms "Field='value'" / "Field ='value'" (single quotes,
    // inner quotes doubled). Anything else raises an engine error when applied.
    QString filter() const;
    void setFilter(const QString &text);
    bool filtered() const;
    void setFiltered(bool on);

    // Moves to the first record, in the current order, whose field equals the
    // text exactly (a pending edit is posted or dropped first, as for a move);
    // false with the position unchanged when none. What a lookup list uses.
    bool locate(const QString &fieldName, const QString &text);

    // The current record's identity, to come back to it later; no value
    // while inserting or when there is no record.
    QVariant bookmark() const;
    // Moves to the record a bookmark names (a pending edit is posted or
    // dropped first, as for a move); false, the position unchanged, when it
    // is gone or the filter hides it.
    bool gotoBookmark(const QVariant &bookmark);

    // Rows by position, for grids and lookup lists. They read on demand, a
    // window of rows at a time, and never move the cursor. Row numbers are
    // 0-based and count the record being inserted where insert() or append()
    // put it; the current row shows the record buffer (edits in progress).
    int rowCount() const;        // recordCount(), plus one while inserting
    int currentRow() const;      // row of the current (or inserted) record; -1 when none
    QVariant valueAt(int row, int fieldIndex) const;       // as Field::value()
    QString textAt(int row, int fieldIndex) const;         // as Field::asString()
    QString displayTextAt(int row, int fieldIndex) const;  // as Field::displayText()
    // No visible record before / after the current one (true when empty):
    // what the navigator bar's first/prior and next/last buttons follow.
    bool isFirstRecord() const;
    bool isLastRecord() const;

signals:
    void stateChanged();           // state moved (open, close, edit, post, cancel...)
    void recordChanged();          // the cursor moved to another record / rows re-read
    void fieldChanged(Field *f);   // a field of the current record was written
    void rowsChanged();            // rows inserted, deleted or re-read

public:
    class Impl;  // the engine's inner state (data/DataSetImpl.h)

protected:
    // What a table and a query each tell the engine.
    // Checks that the dataset can open and gives the table its rows come
    // from (a query parses its statement and sets up its fields here).
    virtual const TableDef &tableToOpen() = 0;
    // The column the rows are ordered by, as the schema spells it; empty for
    // insertion order. Only asked while open.
    virtual QString orderColumn() const = 0;
    // Narrows the rows beyond the filter (a query's LIKE); nothing by default.
    virtual void narrowRows(RowSelection &selection) const;
    // False for a read-only dataset.
    virtual bool isWritable() const = 0;

    std::unique_ptr<Impl> d;
    friend class Field;

private:
    QString m_databaseName = QStringLiteral("KV");
    DataSetState m_state = DataSetState::Inactive;
};

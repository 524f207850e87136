#pragma once
// Inner state of a dataset, shared by DataSet, Field, Table and Query.
//
// The cursor is the current row itself (rowid and order key), not a position:
// moving, seeking and posting cost the same on any table size. The position
// (recNo) is worked out only when asked and kept until the rows change. Rows
// by position (for grids) come from a small cache filled a window at a time.
// What differs between a table and a query the dataset asks of its own
// virtual functions.
#include "data/CachedUpdates.h"
#include "data/DataSet.h"
#include "data/DataSetsOnConnection.h"
#include "data/Field.h"
#include "data/RowCache.h"
#include "data/RowReader.h"
#include "data/RowWriter.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct TableDef;
namespace connection {
class Connection;
}

// A dataset operation that its state does not allow.
[[noreturn]] void refuseOperation(const char *text);

// The bit of a field in a row's or buffer's lazy bits.
constexpr quint64 bitOf(int field) { return quint64(1) << field; }

class DataSet::Impl {
public:
    enum class InsertAt { Current, End };

    explicit Impl(DataSet *owner);
    ~Impl();

    DataSet *q;

    // Fields, filter
    std::vector<std::unique_ptr<Field>> fields;
    QList<Field *> fieldList;  // the same fields, as DataSet::fields() hands them out
    QString filterText;
    bool filtered = false;

    // Cached updates (tables only)
    bool cachedUpdates = false;
    CachedUpdates cache;

    // Open state
    std::shared_ptr<connection::Connection> conn;
    std::shared_ptr<DataSetsOnConnection> sets;  // the datasets' bookkeeping of `conn`
    const TableDef *source = nullptr;  // the table the rows come from
    std::unique_ptr<RowReader> reader;
    // Readers of rows read before (another filter, or the rows before the
    // dataset closed), kept for reading them again with the same statements:
    // switching a filter off and on to set another costs no new statements.
    std::vector<std::unique_ptr<RowReader>> spareReaders;
    std::unique_ptr<RowWriter> rowWriter;
    RowCache rows;  // rows by position

    // Cursor and record buffer
    std::optional<Row> cur;
    int curIndex = -1;  // 0-based, -1 when not yet known
    bool bof = true;
    bool eof = true;
    QVariantList buffer;
    quint64 bufferLazy = 0;  // bit i: buffer[i] only tells whether a picture is present
    std::vector<bool> changed;
    // Bound controls' writes of text they hold (DataSet::addTextHolder).
    std::vector<std::pair<const void *, std::function<void()>>> textHolders;
    bool modified = false;
    InsertAt insertAt = InsertAt::End;

    // --- set-up (DataSetImpl.cpp)
    void buildFields(const TableDef *table, const QStringList &columns);
    int fieldOfColumn(const QString &column) const;
    // Raises for a bad filter or order without changing anything.
    RowSelection makeSelection(const QString &filterText, bool filtered) const;
    QString relation() const;  // the table, or its private copy under cached updates
    void rebuildReader();
    void rebuildReader(RowSelection selection);  // one made by makeSelection
    void keepSpare(std::unique_ptr<RowReader> old);
    void checkStoredTable(const TableDef &def);
    void openRows(int window = 0);  // on the first record; 0: a screenful of rows
    void closeRows();

    // --- state (DataSetImpl.cpp)
    void setState(DataSetState s);
    void checkActive() const;
    void checkBrowseMode();
    void checkCanModify() const;
    void loadBuffer();
    void clearBuffer();
    void setCurrent(std::optional<Row> row, int index);
    void invalidateRows();
    // Puts the cursor on the record `rowid` again after the rows changed;
    // when it is no longer among them, next to `near` (or before it at the
    // end), or on the first record when there is no `near` or no rowid.
    void findAgain(std::optional<qint64> rowid, const Row *near);
    // Reads the rows again under the current settings (order, filter, copy),
    // staying on the current record.
    void rereadRows();
    // Moves to the first record whose field equals the value; false and
    // unmoved when there is none.
    bool seek(const QString &column, const QVariant &value);
    // One record forward (+1) or back (-1); sets eof or bof at the end.
    void step(int direction);
    // Valid until the buffer changes. Read in place: the buffer stays shared
    // with the row it was loaded from. Inline: it runs for every value shown.
    const QVariant &bufferValue(int field)
    {
        if (field >= 0 && field < buffer.size() && !(bufferLazy & bitOf(field)))
            return buffer.at(field);
        return loadBufferValue(field);
    }
    const QVariant &loadBufferValue(int field);  // a picture not read yet, or no such field
    void writeField(int field, const QVariant &stored);

    // --- rows by position (DataSetImpl.cpp)
    const Row *rowAt(int index);
    int count();
    int currentIndex();
    int insertIndex();
    QVariant rowValue(const Row &row, int field);

    // --- writing (DataSetWrite.cpp)
    void postRecord();
    void deleteCurrent();
    QVariant bindValue(int field);
    RowWriter &writer();  // made for the current reader's rows
    void announceWrite();
    // The current row's values as read, for a write that must find them
    // unchanged; pictures by their digest.
    QList<ColumnValue> valuesAsRead() const;
    // Reads the current row's pictures that were read only as present or
    // not: a write compares a picture by its content, as it was when the
    // edit began.
    void loadPicturesAsRead();
    // The current row read again after another program changed it; the fields
    // typed into keep what was typed, and the record stays in edit state.
    void rereadKeepingTyping();

    // --- cached updates (CachedUpdates.cpp)
    void setCachedUpdates(bool on);
    void applyCachedUpdates();
    void cancelCachedUpdates();

    // --- signals
    enum Notify { Rows = 1, Record = 2, State = 4 };
    void notify(int what);
};

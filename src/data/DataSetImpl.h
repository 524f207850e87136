#pragma once
// Inner state of a dataset, shared by DataSet, Field, Table and Query.
//
// The cursor is the current row itself (rowid and order key), not a position:
// moving, seeking and posting cost the same on any table size. The position
// (recNo) is worked out only when asked and kept until the rows change. Rows
// by position (for grids) come from a small cache filled a window at a time.
#include "data/DataSet.h"
#include "data/Field.h"
#include "data/RowReader.h"
#include "data/SqlDialect.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <memory>
#include <optional>
#include <vector>

struct TableDef;

class DataSet::Impl {
public:
    enum class Kind { Table, Query };
    enum class InsertAt { Current, End };

    Impl(DataSet *owner, Kind kind);
    ~Impl();

    DataSet *q;
    Kind kind;

    // Table
    QString tableName;
    const TableDef *tableDef = nullptr;
    QString indexField;

    // Query
    QString sql;

    // Cached updates (tables only): the rows live in a private temp copy of
    // the table; what changed is listed here until applied.
    bool cachedUpdates = false;
    QString cacheTable;
    int cacheId = 0;  // the copy's name stays the same for this dataset, so its statements are reused
    QSet<qint64> cacheInserted, cacheModified, cacheDeleted;

    // Fields, filter
    std::vector<std::unique_ptr<Field>> fields;
    QString filterText;
    bool filtered = false;

    // Open state
    QSqlDatabase db;
    const TableDef *source = nullptr;  // the table the rows come from
    std::unique_ptr<RowReader> reader;

    // Cursor and record buffer
    std::optional<Row> cur;
    int curIndex = -1;  // 0-based, -1 when not yet known
    bool bof = true;
    bool eof = true;
    QVariantList buffer;
    quint64 bufferLazy = 0;
    std::vector<bool> changed;
    bool modified = false;
    InsertAt insertAt = InsertAt::End;

    // Rows by position
    mutable QHash<int, Row> rowCache;
    mutable int countCache = -1;

    std::optional<ParsedQuery> parsed;  // query: the statement, parsed when set

    // --- set-up
    void buildFields(const TableDef *table, const QStringList &columns);
    RowSpec makeSpec(const QString &filterText, bool filtered, const QString &indexField) const;
    QString keyColumn(const QString &indexField) const;  // seek and order column; empty: insertion order
    int fieldOfColumn(const QString &column) const;
    void rebuildReader();
    void checkStoredTable(const TableDef &def);
    void openRows(int window = 0);  // on the first record; 0: a screenful of rows
    void closeRows();

    // --- state
    void setState(DataSetState s);
    void checkActive() const;
    void checkBrowseMode();
    void checkCanModify() const;
    void loadBuffer();
    void clearBuffer();
    void setCurrent(std::optional<Row> row, int index);
    void invalidateRows();
    void repositionNear(const Row &old);
    QVariant bufferValue(int field) const;
    void writeField(int field, const QVariant &stored);

    // --- rows by position
    const Row *rowAt(int index) const;
    int count() const;
    int currentIndex() const;
    int insertIndex() const;
    QVariant rowValue(const Row &row, int field) const;

    // --- writing
    void postRecord();
    void deleteCurrent();
    void checkRequired() const;
    void checkUnique(qint64 rowid) const;
    QVariant bindValue(int field) const;
    QString relation() const;
    void announceWrite();

    // --- cached updates
    void createCacheCopy();
    void fillCacheCopy();
    void dropCacheCopy();
    void applyCache();

    // --- signals
    enum Notify { Rows = 1, Record = 2, State = 4 };
    void notify(int what);
    // One record forward (+1) or back (-1); sets eof or bof at the end.
    void step(int direction);
};

#pragma once
// What differs in the SQL of the two database engines, to be had without a
// connection: the column types, the Like condition, the
// order of rows without a value, the statements making tables and indexes,
// making an empty database, and the catalog queries the checks read. One
// instance per engine, for the whole run.
//
// (Not the program's own query language, which data/QueryText.h reads.)
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

enum class FieldKind;
struct TableDef;

namespace connection {
class Connection;
}

namespace dialect {

enum class Engine { Sqlite, Postgres };

class EngineDialect {
public:
    virtual ~EngineDialect() = default;
    virtual Engine engine() const = 0;

    // ---- types (names are quoted alike on both: schema::quote)
    // The column type of a field of `kind`; with `plainAutoInc` an auto-number
    // is a plain whole number (a private copy of a table).
    virtual QString columnType(FieldKind kind, bool plainAutoInc) const = 0;
    // A private temporary table's name, qualified and quoted.
    virtual QString temporaryRelation(const QString &name) const = 0;

    // ---- conditions and orders
    // The condition "`column` (schema spelling) of the rows of `relation`
    // (quoted) matches `pattern`" of the Like rule, its values appended to
    // `binds`: the letters A-Z match in either case, other characters
    // exactly, "%" and "_" are the wildcards and there is no escape character.
    // `indexedOn`: the connection to a database that keeps a search index
    // for `relation`, whose contents choose the narrowest way; nullptr when
    // there is none.
    virtual QString likeCondition(const QString &relation, const QString &column, const QString &pattern,
                                  QVariantList &binds, const connection::Connection *indexedOn) const = 0;
    // What an ascending order needs after a column so that rows without a
    // value come first, and a descending one so that they come last.
    virtual QString nullsFirst() const { return QString(); }
    virtual QString nullsLast() const { return QString(); }
    // The operator that compares two values with no value equal to no value.
    virtual QString sameValueOperator() const = 0;
    // The SHA-256 digest of a picture column's bytes (no value when it holds
    // none, or no bytes), as pictureblob::digest() gives it: what a write
    // compares a picture by.
    virtual QString pictureDigest(const QString &quotedColumn) const = 0;
    // The function giving a text's length in characters.
    virtual QString textLength() const = 0;
    // 1 when a column (quoted) holds a value, 0 when not: whether a picture
    // is present, told without reading its bytes.
    virtual QString valuePresent(const QString &quotedColumn) const
    {
        return QStringLiteral("(%1 IS NOT NULL)").arg(quotedColumn);
    }

    // ---- tables and indexes
    // Statements creating every table and index of the system on `db` (an
    // empty database); what they need of the server is prepared on it first.
    virtual QStringList createStatements(connection::Connection &db) const = 0;
    // Statements creating a private copy of `table` named `relation` (as
    // temporaryRelation gave), auto-numbers as plain numbers.
    virtual QStringList copyStatements(const TableDef &table, const QString &relation) const = 0;
    // Statements to run once rows were copied into such a copy with their
    // identities.
    virtual QStringList copyFilled(const QString &relation) const
    {
        Q_UNUSED(relation);
        return {};
    }
    // Creates an index by `statement` on `db` unless one named `name` exists;
    // a failure (a read-only file, a lock held too long, no right to do so)
    // leaves the database as it was and is not raised.
    virtual void addIndexIfMissing(connection::Connection &db, const QString &name,
                                   const QString &statement) const noexcept = 0;

    // ---- connecting and making a database
    // A new connection to `location` (connection::ofFile keeps one per
    // database for the run). `asIs`: nothing is added to the database at
    // opening (a file's missing search index is left for the caller).
    // Raises EDatabaseError when it cannot connect.
    virtual std::shared_ptr<connection::Connection> connect(const QString &location, bool asIs = false) const = 0;
    // Raises EDatabaseError when `location` cannot become a new database
    // (a file that exists already).
    virtual void refuseExisting(const QString &location) const = 0;
    // Makes `location` an empty database, or finds it one (a server database
    // that holds none of the tables); what to connect to then. Raises.
    virtual QString createEmpty(const QString &location) const = 0;
    // Removes what createEmpty made, after a failure to fill it.
    virtual void discard(const QString &location) const noexcept = 0;

    // ---- auto-numbers, for a copy from one database into another
    // A statement giving a row when the database remembers the highest
    // auto-number each table ever handed out (beyond the rows stored, so that
    // a deleted record's number is not reused); empty when it never does.
    virtual QString remembersNumbersQuery() const { return QString(); }
    // That number for a table (the value), where remembered.
    virtual QString rememberedNumberQuery() const { return QString(); }
    // A statement making new records of a table (quoted, the first value) get
    // numbers in a column (the second) past a number (the third).
    virtual QString numberPastStatement() const { return QString(); }

    // ---- the indexes that only make reading faster
    // A statement giving a row when an index named by the value exists.
    virtual QString indexExistsQuery() const = 0;
    // The objects (tables, triggers) of `table`'s search index, where the
    // engine keeps one apart from the table's statements; none elsewhere.
    virtual QStringList searchIndexObjects(const TableDef &table) const
    {
        Q_UNUSED(table);
        return {};
    }
    // True for a table or trigger of the search index, with the tables the
    // index engine keeps beside its own; `kind` is "table", "view" or "trigger".
    virtual bool isSearchIndexObject(const QString &kind, const QString &name) const
    {
        Q_UNUSED(kind);
        Q_UNUSED(name);
        return false;
    }
    // Adds the search index wherever a table lacks it (or part of it);
    // raises EDatabaseError, with the reason, when it cannot.
    virtual void addSearchIndexes(connection::Connection &db) const { Q_UNUSED(db); }

    // ---- what the checks read
    // A statement whose rows are SQLite-style integrity findings ("ok" when
    // sound); empty where the engine keeps its own storage sound.
    virtual QString integrityCheck() const { return QString(); }
    // The columns of a table (the value) as stored, in order.
    virtual QString columnsQuery() const = 0;
    // The indexes of a table (the value) as (unique, first column, name) rows.
    virtual QString indexesQuery() const = 0;
    // (column, numbers new records itself) rows of a table (the value), where
    // the engine keeps the hidden row number and auto-numbers as columns;
    // empty where they are the engine's own.
    virtual QString numberingQuery() const { return QString(); }
    // The condition picking rows whose number column (`kind` Float, Integer
    // or AutoInc) may hold a value that does not convert.
    virtual QString unusableNumber(FieldKind kind, const QString &quotedColumn) const = 0;
    // The sum of the finite numbers of a column, 0 when none.
    virtual QString finiteSum(const QString &quotedColumn) const = 0;
    // The condition "the value is not stored as a whole number"; false where
    // the column's type keeps anything else out.
    virtual QString notStoredWhole(const QString &quotedColumn) const = 0;
    // Every table, view and trigger: (kind, name, the table a trigger is on).
    virtual QString objectsQuery() const = 0;
    // The triggers on `tables` but the engine's own (the file's search
    // index): (trigger, table).
    virtual QString triggersQuery(const QStringList &tables) const = 0;
};

// The dialect of each engine, and of the database at `location` (a file or
// a server URI).
const EngineDialect &of(Engine engine);
const EngineDialect &of(const QString &location);

} // namespace dialect

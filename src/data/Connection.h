#pragma once
// One connection per database the alias names, opened on first use and kept
// until it is closed or the run ends. The database is an SQLite file (the
// default) or a PostgreSQL database named by a connection URI; what differs
// between the two engines lives behind this class, so that readers, writers
// and everything above them never learn which engine they are on.
//
// A connection owns everything that belongs to it: its prepared statements,
// the tables whose stored fields were checked, and the datasets reading it.
// All of it goes when the connection closes. Only the list of open
// connections, one per database, is kept for the run.
#include "data/DataSet.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class RowBlock;
struct TableDef;

namespace connection {

// A statement prepared once and kept by its connection for reuse.
class Statement {
public:
    virtual ~Statement() = default;
};

// Why the engine refused a statement, as far as the layers above care.
struct Failure {
    enum Kind {
        Other,
        Duplicate,  // a unique key already holds the value
        Required,   // a required field without a value (`column` names it)
        Busy,       // another program held a lock for longer than the wait
        Lost,       // the server went away; the next action connects again
    };
    Kind kind = Other;
    QString column;
    QString text;  // the engine's own message
};

// The columns a row reader asks for: the row identity first, then `width`
// columns of which the first `fields` are the fields' values; bit i of `flags`:
// column i only tells whether a picture is present.
struct BlockShape {
    int fields = 0;
    int width = 0;
    quint64 flags = 0;
};

class Connection {
public:
    enum class Engine { Sqlite, Postgres };

    explicit Connection(QString location);
    virtual ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // The file, or the server URI without any password: what messages name.
    const QString &file() const { return m_location; }
    virtual Engine engine() const = 0;
    virtual bool isOpen() const = 0;
    // Raises EDatabaseError when the connection was closed.
    void checkOpen() const;

    // A kept statement for `sql` ("?" marks each value). Raises
    // EDatabaseError when it does not compile or the connection is closed.
    virtual Statement *statement(const QString &sql) = 0;
    // Runs a kept row statement with the values `first`, then `more`, then
    // the row limit and, when above 0, the offset, and gives the rows.
    virtual std::shared_ptr<const RowBlock> rows(Statement *statement, const QVariantList &first, const QVariantList &more,
                                                 int limit, int offset, const BlockShape &shape) = 0;
    // The first column of the first row, or an invalid variant when none.
    virtual QVariant scalar(const QString &sql, const QVariantList &values) = 0;
    bool exists(const QString &sql, const QVariantList &values) { return scalar(sql, values).isValid(); }
    // Every row of a query, handed over one at a time.
    virtual void eachRow(const QString &sql, const QVariantList &values,
                         const std::function<void(const QVariantList &)> &row) = 0;
    // Runs a statement without results. The rows it changed, or -1 with the
    // reason in `failure`.
    virtual int run(const QString &sql, const QVariantList &values, Failure *failure) = 0;
    // Runs an INSERT and gives the new row's identity, or -1 with the reason.
    virtual qint64 insert(const QString &sql, const QVariantList &values, Failure *failure) = 0;
    // Runs statements without values; raises on failure.
    virtual void exec(const QString &sql) = 0;
    // Raises EDatabaseError "<context>: <the engine's message>".
    [[noreturn]] static void fail(const QString &context, const Failure &failure);

    // Transactions, through Transaction below.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
    // Transactions open on this connection: a Transaction inside another is
    // a savepoint of it.
    int transactionDepth() const { return m_depth; }

    // ---- what differs in the SQL of the two engines
    // Columns of a table as stored (empty when the table is missing).
    virtual QStringList storedColumns(const QString &table) = 0;
    // A private temporary table's name, qualified and quoted.
    virtual QString temporaryRelation(const QString &name) const = 0;
    // The condition "`column` (schema spelling) of the rows of `relation`
    // (quoted) matches `pattern`" of the Like rule, its values appended to
    // `binds`: the letters A-Z match in either case, other characters
    // exactly, "%" and "_" are the wildcards and there is no escape character.
    virtual QString likeCondition(const QString &relation, const QString &column, const QString &pattern,
                                  QVariantList &binds) const = 0;
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
    // Statements creating every table and index of the system.
    virtual QStringList createStatements() = 0;
    // Statements creating a private copy of `table` named `relation` (as
    // temporaryRelation gave), auto-numbers as plain numbers.
    virtual QStringList copyStatements(const TableDef &table, const QString &relation) const = 0;
    // Called once rows were copied into such a copy with their identities.
    virtual void copyFilled(const QString &relation) { Q_UNUSED(relation); }
    // Creates an index by `statement` unless one named `name` exists; a
    // failure (a read-only file, a lock held too long, no right to do so)
    // leaves the database as it was and is not raised.
    virtual void addIndexIfMissing(const QString &name, const QString &statement) noexcept = 0;

    // Raises EDatabaseError unless `table` is stored with every field of the
    // schema; `where` names the database in the message. Once per connection,
    // and then a database made before one of the table's read indexes gets it,
    // when no transaction is under way: without it reading is only slower.
    void verifyTable(const TableDef &table, const QString &where);
    bool isVerified(const QString &table) const { return m_verified.contains(table); }

    // The datasets open on this connection, told of each other's writes.
    void attach(DataSet::Impl *dataSet) { m_openSets.append(dataSet); }
    void detach(DataSet::Impl *dataSet) { m_openSets.removeAll(dataSet); }
    const QList<DataSet::Impl *> &openSets() const { return m_openSets; }

    // A number for a private temporary table, new on this connection.
    int nextCopyNumber() { return ++m_copies; }

    // Finalizes the statements and closes the database; nothing of the
    // connection is usable afterwards.
    virtual void close();

    // Copies what the write-ahead journal of a file holds back into the file
    // itself, as far as no reader at another desk still needs it, without
    // waiting; nothing inside a transaction. A server keeps no such journal.
    virtual void foldJournal() {}

protected:
    QString m_location;
    QSet<QString> m_verified;
    QList<DataSet::Impl *> m_openSets;
    int m_copies = 0;

private:
    friend class Transaction;
    int m_depth = 0;
};

// True when `location` is a PostgreSQL connection URI rather than a file.
bool isServer(const QString &location);
// The URI with its password (if any) replaced, fit to print.
QString printable(const QString &location);

// The connection for the database an alias names; raises EDatabaseError when
// the alias names nothing or the database is missing or not one of ours.
std::shared_ptr<Connection> ofAlias(const QString &alias);
// The connection for a file or server URI.
std::shared_ptr<Connection> ofFile(const QString &location);

// Closes and forgets the connection to `location`, if any.
void closeFile(const QString &location);

// foldJournal() on every open connection: a copy of a file taken while the
// program runs then holds what was stored.
void foldJournals();

// A write transaction, rolled back unless committed; inside another one it
// is a savepoint, so that what it did is undone alone and the outer
// transaction goes on. The destructor never raises: a failed rollback is
// logged.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction() noexcept;
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_connection;
    int m_level;  // 1: the transaction itself; above: a savepoint
    bool m_done = false;
};

} // namespace connection

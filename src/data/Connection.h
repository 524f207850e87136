#pragma once
// A connection to one database: it runs statements and transactions (and
// tells what it found of the database: a table's columns, a search index).
// The database is an SQLite file (the default) or a PostgreSQL
// database named by a connection URI; what differs in their SQL is the
// engine's dialect (data/EngineDialect.h), had from the connection or without
// one. Readers, writers and everything above them never learn which engine
// they are on.
//
// A connection owns its prepared statements, which go when it closes. What
// the layers above keep per connection (the datasets' bookkeeping,
// data/DataSetsOnConnection.h) it holds without knowing it: kept<T>(). The
// open connections of the run are the registry's (data/ConnectionRegistry.h).
#include "data/EngineDialect.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

class RowBlock;

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
    using Engine = dialect::Engine;

    explicit Connection(QString location);
    virtual ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // The file, or the server URI without any password: what messages name.
    const QString &file() const { return m_location; }
    virtual const dialect::EngineDialect &dialect() const = 0;
    Engine engine() const { return dialect().engine(); }
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

    // Columns of a table as stored (empty when the table is missing).
    QStringList storedColumns(const QString &table);
    // True when the database keeps a search index over `relation` (quoted)
    // that the dialect's Like condition may use.
    virtual bool hasSearchIndex(const QString &relation) const
    {
        Q_UNUSED(relation);
        return false;
    }

    // Finalizes the statements and closes the database; nothing of the
    // connection is usable afterwards.
    virtual void close() = 0;

    // Copies what the write-ahead journal of a file holds back into the file
    // itself, as far as no reader at another desk still needs it, without
    // waiting; nothing inside a transaction. A server keeps no such journal.
    virtual void foldJournal() {}

    // The one object of type T the layers above keep for this connection,
    // made on first use; it lives as long as the connection object.
    template <class T>
    std::shared_ptr<T> kept()
    {
        std::shared_ptr<void> &slot = m_kept[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>();
        return std::static_pointer_cast<T>(slot);
    }

protected:
    QString m_location;

private:
    friend class Transaction;
    int m_depth = 0;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_kept;
};

// True when `location` is a PostgreSQL connection URI rather than a file.
bool isServer(const QString &location);
// The URI with its password (if any) replaced, fit to print.
QString printable(const QString &location);

// The connection for the database an alias names, from the process's
// registry (data/ConnectionRegistry.h); raises EDatabaseError when the alias
// names nothing or the database is missing or not one of ours.
std::shared_ptr<Connection> ofAlias(const QString &alias);
// The connection for a file or server URI, from the process's registry.
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

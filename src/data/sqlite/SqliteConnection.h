#pragma once
// The connection to an SQLite file: WAL journal, full sync, a busy timeout so
// that a second program waits instead of failing, foreign keys off. A missing
// file is an error and is never created here (the admin tool creates
// databases). Rows are read and written through SQLite's own handle with
// statements prepared once: no per-value conversions on the way.
#include "data/Connection.h"

#include <QHash>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace databaseuse {
class UseLock;
}

namespace connection {

class SqliteConnection final : public Connection {
public:
    // WithSearchIndex: a file lacking its search index gets it (see
    // data/sqlite/SearchIndex.h); AsIs: nothing is added at opening.
    enum class Opening { WithSearchIndex, AsIs };
    // Opens `path` (absolute); raises when it is missing or not a database.
    explicit SqliteConnection(const QString &path, Opening opening = Opening::WithSearchIndex);
    ~SqliteConnection() override;

    const dialect::EngineDialect &dialect() const override;
    bool isOpen() const override { return m_handle != nullptr; }
    // Raises when closed.
    sqlite3 *handle() const;

    Statement *statement(const QString &sql) override;
    std::shared_ptr<const RowBlock> rows(Statement *statement, const QVariantList &first, const QVariantList &more,
                                         int limit, int offset, const BlockShape &shape) override;
    QVariant scalar(const QString &sql, const QVariantList &values) override;
    void eachRow(const QString &sql, const QVariantList &values,
                 const std::function<void(const QVariantList &)> &row) override;
    int run(const QString &sql, const QVariantList &values, Failure *failure) override;
    qint64 insert(const QString &sql, const QVariantList &values, Failure *failure) override;
    void exec(const QString &sql) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;

    bool hasSearchIndex(const QString &relation) const override { return m_indexed.contains(relation); }
    // The quoted tables the search index serves from now on.
    void useSearchIndexes(const QStringList &relations) { m_indexed = relations; }

    void close() override;
    void foldJournal() override;

private:
    sqlite3_stmt *prepared(const QString &sql);
    Failure failure() const;
    [[noreturn]] void raise(const QString &context) const;

    sqlite3 *m_handle = nullptr;
    QHash<QString, Statement *> m_statements;
    QStringList m_indexed;  // quoted tables whose Like searches the trigram index narrows
    std::unique_ptr<databaseuse::UseLock> m_inUse;  // see data/DatabaseInUse.h
};

// Values in and out of an SQLite statement, as the engine stores them.
void bind(sqlite3_stmt *stmt, int index, const QVariant &value);  // 1-based
QVariant column(sqlite3_stmt *stmt, int index);                     // 0-based

} // namespace connection

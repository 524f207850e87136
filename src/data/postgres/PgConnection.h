#pragma once
// The connection to a PostgreSQL database named by a URI, through libpq:
// statements prepared once per server session and run with their values as
// parameters, rows read in the binary form straight out of libpq's results.
// Lock waits end after 5 s; a server that went away is reported at the next
// action and connected to again at the one after, never in the middle of a
// transaction. Every table carries a hidden row number `rowid`, the order of
// insertion, so that rows are named and ordered as in an SQLite file.
#include "data/Connection.h"

#include <QByteArray>
#include <QHash>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace connection {

struct PgStatement;

class PgConnection final : public Connection {
public:
    // Connects to the database `uri` names; raises EDatabaseError when it
    // cannot. A password in the URI is never shown: messages name the URI
    // without it.
    explicit PgConnection(const QString &uri);
    ~PgConnection() override;

    const dialect::EngineDialect &dialect() const override;
    bool isOpen() const override { return m_conn != nullptr; }

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

    void close() override;

private:
    class Params;
    using ResultPtr = std::shared_ptr<PGresult>;

    void connect();
    // A new server session: its settings; statements prepare again.
    void startSession();
    QString withoutPassword(QString message) const;
    // A working session, connecting again when the server went away;
    // raises when it cannot, or when a transaction was under way.
    void ensureSession();
    PgStatement &kept(const QString &sql);
    // Prepares the statement in this server session, once.
    void prepareInSession(PgStatement &statement);
    // Runs a kept statement; the result, or null with the reason in `failure`.
    ResultPtr execute(PgStatement &statement, const Params &params, Failure *failure);
    ResultPtr executeOrRaise(PgStatement &statement, const Params &params);
    Failure failureOf(const PGresult *result) const;
    [[noreturn]] void raise(const QString &context, const Failure &failure) const;
    void simple(const char *sql, bool inTransaction);

    QByteArray m_uri;
    PGconn *m_conn = nullptr;
    quint64 m_session = 0;  // counts server sessions: statements are prepared once in each
    int m_named = 0;
    bool m_inTransaction = false;
    QHash<QString, PgStatement *> m_statements;
    QHash<QString, PgStatement *> m_inserts;  // by the INSERT's text: the same with RETURNING rowid
};

} // namespace connection

#include "data/postgres/PgConnection.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/ServerUri.h"
#include "data/postgres/PgRowBlock.h"
#include "data/postgres/PgValues.h"

#include <QtDebug>
#include <vector>

#include <libpq-fe.h>

namespace connection {

struct PgStatement final : Statement {
    QByteArray name;
    QByteArray sql;         // with $1, $2... for the values
    quint64 session = 0;    // the server session it was prepared in; 0: none yet
    // A Like search is planned for its pattern each time: a plan made once
    // for any pattern walks the key index instead of the trigram index.
    bool planEachTime = false;
};

namespace {
// The engine's SQL marks values with "?"; PostgreSQL numbers them. Quoted
// names and texts are passed over.
QByteArray numberedPlaceholders(const QString &sql)
{
    QByteArray out;
    const QByteArray in = sql.toUtf8();
    out.reserve(in.size() + 16);
    int n = 0;
    char quote = 0;
    for (char ch : in) {
        if (quote) {
            if (ch == quote)
                quote = 0;
        } else if (ch == '\'' || ch == '"') {
            quote = ch;
        } else if (ch == '?') {
            out += '$';
            out += QByteArray::number(++n);
            continue;
        }
        out += ch;
    }
    return out;
}

std::shared_ptr<PGresult> own(PGresult *result) { return std::shared_ptr<PGresult>(result, PQclear); }

bool succeeded(const PGresult *result)
{
    const ExecStatusType s = PQresultStatus(result);
    return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK || s == PGRES_SINGLE_TUPLE;
}

QString trimmed(const char *text) { return QString::fromUtf8(text).trimmed(); }

} // namespace

// The values of one statement as libpq takes them.
class PgConnection::Params {
public:
    void add(const QVariantList &values)
    {
        for (const QVariant &v : values)
            add(v);
    }
    void add(const QVariant &value)
    {
        if (!value.isValid() || value.isNull()) {
            m_bytes.emplace_back();
            m_formats.push_back(0);
            m_null.push_back(true);
            return;
        }
        bool binary = false;
        m_bytes.push_back(pgvalues::parameter(value, &binary));
        m_formats.push_back(binary ? 1 : 0);
        m_null.push_back(false);
    }
    int count() const { return int(m_bytes.size()); }
    // Pointers into the kept bytes, made once every value is in.
    void seal()
    {
        m_values.clear();
        m_lengths.clear();
        for (size_t i = 0; i < m_bytes.size(); ++i) {
            m_values.push_back(m_null[i] ? nullptr : m_bytes[i].constData());
            m_lengths.push_back(int(m_bytes[i].size()));
        }
    }
    const char *const *values() const { return m_values.data(); }
    const int *lengths() const { return m_lengths.data(); }
    const int *formats() const { return m_formats.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<int> m_formats;
    std::vector<bool> m_null;
    std::vector<const char *> m_values;
    std::vector<int> m_lengths;
};

QString PgConnection::withoutPassword(QString message) const
{
    // libpq may quote back a part of a URI it could not read.
    return serveruri::maskedMessage(QString::fromUtf8(m_uri), message);
}

PgConnection::PgConnection(const QString &uri) : Connection(printable(uri)), m_uri(uri.toUtf8()) { connect(); }

PgConnection::~PgConnection() { close(); }

void PgConnection::connect()
{
    // Waits are bounded: connecting, a silent network and a held lock each
    // give up after a few seconds instead of hanging the window. Settings in
    // the URI come last and win.
    const char *keywords[] = {"connect_timeout", "keepalives", "keepalives_idle", "keepalives_interval",
                              "keepalives_count", "tcp_user_timeout", "application_name", "client_encoding",
                              "dbname", nullptr};
    const char *values[] = {"5", "1", "5", "2", "2", "10000", "sistemnota", "UTF8", m_uri.constData(), nullptr};
    m_conn = PQconnectdbParams(keywords, values, 1);
    if (!m_conn)
        throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuka: memori tidak cukup").arg(m_location));
    if (PQstatus(m_conn) != CONNECTION_OK) {
        const QString message = withoutPassword(trimmed(PQerrorMessage(m_conn)));
        PQfinish(m_conn);
        m_conn = nullptr;
        throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuka: %2").arg(m_location, message));
    }
    startSession();
}

void PgConnection::ensureSession()
{
    checkOpen();
    if (PQstatus(m_conn) == CONNECTION_OK)
        return;
    if (m_inTransaction)
        throw EDatabaseError(QStringLiteral("Sambungan ke server database '%1' terputus: tidak ada "
                                            "bagian perubahan ini yang tersimpan").arg(m_location));
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw EDatabaseError(QStringLiteral("Server database '%1' tidak dapat dihubungi: %2. Coba lagi setelah server kembali.")
                                 .arg(m_location, trimmed(PQerrorMessage(m_conn))));
    startSession();  // statements and private copies are gone with the old session
}

void PgConnection::startSession()
{
    ++m_session;
    simple("SET lock_timeout = '5s'; SET client_min_messages = warning", false);
}

Failure PgConnection::failureOf(const PGresult *result) const
{
    Failure f;
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    f.text = primary ? QString::fromUtf8(primary) : trimmed(PQerrorMessage(m_conn));
    const QByteArray code = state ? QByteArray(state) : QByteArray();
    if (PQstatus(m_conn) != CONNECTION_OK || code.startsWith("08") || code == "57P01" || code == "57P02" || code == "57P03") {
        f.kind = Failure::Lost;
        f.text = QStringLiteral("sambungan ke server database '%1' terputus (%2); sambungan dibuat lagi pada tindakan berikutnya")
                     .arg(m_location, f.text);
    } else if (code == "23505") {
        f.kind = Failure::Duplicate;
    } else if (code == "23502") {
        f.kind = Failure::Required;
        const char *column = PQresultErrorField(result, PG_DIAG_COLUMN_NAME);
        f.column = column ? QString::fromUtf8(column) : QString();
    } else if (code == "55P03" || code == "40P01" || code == "40001") {
        f.kind = Failure::Busy;
    }
    return f;
}

void PgConnection::raise(const QString &context, const Failure &failure) const { fail(context, failure); }

void PgConnection::simple(const char *sql, bool inTransaction)
{
    if (!inTransaction)
        ensureSession();
    const std::shared_ptr<PGresult> r = own(PQexec(m_conn, sql));
    if (!succeeded(r.get()))
        raise(QStringLiteral("Kesalahan database"), failureOf(r.get()));
}

PgStatement &PgConnection::kept(const QString &sql)
{
    return *static_cast<PgStatement *>(statement(sql));
}

Statement *PgConnection::statement(const QString &sql)
{
    checkOpen();
    auto it = m_statements.constFind(sql);
    if (it != m_statements.constEnd())
        return *it;
    auto *s = new PgStatement;
    s->name = "nota_" + QByteArray::number(++m_named);
    s->sql = numberedPlaceholders(sql);
    s->planEachTime = sql.contains(QLatin1String(" ESCAPE ''"));
    m_statements.insert(sql, s);
    return s;
}

void PgConnection::prepareInSession(PgStatement &s)
{
    if (s.session == m_session)
        return;
    const ResultPtr prepared = own(PQprepare(m_conn, s.name.constData(), s.sql.constData(), 0, nullptr));
    if (!succeeded(prepared.get())) {
        const Failure f = failureOf(prepared.get());
        raise(f.kind == Failure::Lost ? QStringLiteral("Database tidak dapat dibaca") : QStringLiteral("Perintah database tidak dapat disiapkan"), f);
    }
    s.session = m_session;
}

PgConnection::ResultPtr PgConnection::execute(PgStatement &s, const Params &params, Failure *failure)
{
    ensureSession();
    if (s.planEachTime) {
        ResultPtr r = own(PQexecParams(m_conn, s.sql.constData(), params.count(), nullptr, params.values(),
                                       params.lengths(), params.formats(), 1));
        if (succeeded(r.get()))
            return r;
        *failure = failureOf(r.get());
        return nullptr;
    }
    prepareInSession(s);
    ResultPtr r = own(PQexecPrepared(m_conn, s.name.constData(), params.count(), params.values(), params.lengths(),
                                     params.formats(), 1));
    if (succeeded(r.get()))
        return r;
    *failure = failureOf(r.get());
    return nullptr;
}

PgConnection::ResultPtr PgConnection::executeOrRaise(PgStatement &s, const Params &params)
{
    Failure failure;
    ResultPtr r = execute(s, params, &failure);
    if (!r)
        raise(QStringLiteral("Database tidak dapat dibaca"), failure);
    return r;
}

std::shared_ptr<const RowBlock> PgConnection::rows(Statement *statement, const QVariantList &first,
                                                   const QVariantList &more, int limit, int offset,
                                                   const BlockShape &shape)
{
    Params params;
    params.add(first);
    params.add(more);
    params.add(QVariant(qint64(limit)));
    if (offset > 0)
        params.add(QVariant(qint64(offset)));
    params.seal();
    return std::make_shared<PgRowBlock>(executeOrRaise(*static_cast<PgStatement *>(statement), params), shape.fields,
                                        shape.flags);
}

QVariant PgConnection::scalar(const QString &sql, const QVariantList &values)
{
    Params params;
    params.add(values);
    params.seal();
    const ResultPtr r = executeOrRaise(kept(sql), params);
    if (PQntuples(r.get()) == 0 || PQnfields(r.get()) == 0)
        return QVariant();
    if (PQgetisnull(r.get(), 0, 0))
        return QVariant(QMetaType::fromType<QString>());  // a row whose value is null
    return pgvalues::decode(PQftype(r.get(), 0), PQgetvalue(r.get(), 0, 0), PQgetlength(r.get(), 0, 0));
}

void PgConnection::eachRow(const QString &sql, const QVariantList &values,
                           const std::function<void(const QVariantList &)> &row)
{
    // Row by row from the server: a table of pictures is never held whole.
    PgStatement &s = kept(sql);
    ensureSession();
    prepareInSession(s);
    Params params;
    params.add(values);
    params.seal();
    if (!PQsendQueryPrepared(m_conn, s.name.constData(), params.count(), params.values(), params.lengths(),
                             params.formats(), 1)
        || !PQsetSingleRowMode(m_conn))
        raise(QStringLiteral("Database tidak dapat dibaca"), failureOf(nullptr));
    Failure failure;
    bool failed = false;
    QVariantList out;
    std::exception_ptr thrown;
    while (PGresult *raw = PQgetResult(m_conn)) {
        const ResultPtr r = own(raw);
        if (PQresultStatus(raw) == PGRES_SINGLE_TUPLE && !failed && !thrown) {
            out.clear();
            for (int c = 0; c < PQnfields(raw); ++c)
                out << (PQgetisnull(raw, 0, c) ? QVariant()
                                               : pgvalues::decode(PQftype(raw, c), PQgetvalue(raw, 0, c), PQgetlength(raw, 0, c)));
            try {
                row(out);
            } catch (...) {
                thrown = std::current_exception();
                PQrequestCancel(m_conn);  // the rest of the rows are not wanted
            }
        } else if (!succeeded(raw) && !failed) {
            failed = true;
            failure = failureOf(raw);
        }
    }
    if (thrown)
        std::rethrow_exception(thrown);
    if (failed)
        raise(QStringLiteral("Database tidak dapat dibaca"), failure);
}

int PgConnection::run(const QString &sql, const QVariantList &values, Failure *failure)
{
    Params params;
    params.add(values);
    params.seal();
    Failure f;
    const ResultPtr r = execute(kept(sql), params, &f);
    if (!r) {
        if (failure)
            *failure = f;
        return -1;
    }
    return QByteArray(PQcmdTuples(r.get())).toInt();
}

qint64 PgConnection::insert(const QString &sql, const QVariantList &values, Failure *failure)
{
    Params params;
    params.add(values);
    params.seal();
    Failure f;
    PgStatement *&returning = m_inserts[sql];
    if (!returning)
        returning = &kept(sql + QStringLiteral(" RETURNING rowid"));
    const ResultPtr r = execute(*returning, params, &f);
    if (!r || PQntuples(r.get()) != 1) {
        if (failure)
            *failure = r ? Failure{Failure::Other, {}, QStringLiteral("tidak ada baris yang ditambahkan")} : f;
        return -1;
    }
    return pgvalues::decode(PQftype(r.get(), 0), PQgetvalue(r.get(), 0, 0), PQgetlength(r.get(), 0, 0)).toLongLong();
}

void PgConnection::exec(const QString &sql)
{
    const QByteArray text = sql.toUtf8();
    simple(text.constData(), m_inTransaction);
}

void PgConnection::begin()
{
    simple("BEGIN", false);
    m_inTransaction = true;
}

void PgConnection::commit()
{
    checkOpen();
    m_inTransaction = false;  // ended either way: committed, or rolled back by the server
    const ResultPtr r = own(PQexec(m_conn, "COMMIT"));
    // A transaction that failed earlier answers COMMIT with ROLLBACK.
    if (!succeeded(r.get()) || qstrcmp(PQcmdStatus(r.get()), "COMMIT") != 0)
        raise(QStringLiteral("Perubahan tidak dapat disimpan ke database"), failureOf(r.get()));
}

void PgConnection::rollback() noexcept
{
    if (!m_inTransaction || !m_conn)
        return;
    m_inTransaction = false;
    if (PQstatus(m_conn) != CONNECTION_OK)
        return;  // the server dropped the transaction with the connection
    PGresult *r = PQexec(m_conn, "ROLLBACK");
    if (PQresultStatus(r) != PGRES_COMMAND_OK)
        qWarning("Rollback failed on %s: %s", qUtf8Printable(m_location), PQerrorMessage(m_conn));
    PQclear(r);
}

const dialect::EngineDialect &PgConnection::dialect() const { return dialect::of(Engine::Postgres); }

void PgConnection::close()
{
    qDeleteAll(m_statements);
    m_statements.clear();
    m_inserts.clear();
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
    m_inTransaction = false;
}
} // namespace connection

#include "data/Connection.h"

#include "core/Errors.h"
#include "data/ServerUri.h"

#include <QtDebug>

namespace connection {

Connection::Connection(QString location) : m_location(std::move(location)) {}

Connection::~Connection() = default;

QStringList Connection::storedColumns(const QString &table)
{
    QStringList out;
    eachRow(dialect().columnsQuery(), {table}, [&out](const QVariantList &row) { out << row.first().toString(); });
    return out;
}

void Connection::fail(const QString &context, const Failure &failure)
{
    if (failure.kind == Failure::Busy)
        throw EDatabaseBusy(QStringLiteral("%1: database sedang dipakai di meja lain; coba lagi (%2)").arg(context, failure.text));
    throw EDatabaseError(failure.text.isEmpty() ? context : context + QStringLiteral(": ") + failure.text);
}

void Connection::checkOpen() const
{
    if (!isOpen())
        throw EDatabaseError(QStringLiteral("Sambungan ke '%1' sudah ditutup").arg(m_location));
}

bool isServer(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString printable(const QString &location)
{
    return isServer(location) ? serveruri::masked(location) : location;
}

// ---------------------------------------------------------------- Transaction

namespace {
QString savepoint(int level) { return QStringLiteral("nota_savepoint_%1").arg(level); }
} // namespace

Transaction::Transaction(Connection &connection) : m_connection(connection), m_level(connection.m_depth + 1)
{
    if (m_level == 1)
        m_connection.begin();
    else
        m_connection.exec(QStringLiteral("SAVEPOINT ") + savepoint(m_level));
    m_connection.m_depth = m_level;
}

Transaction::~Transaction() noexcept
{
    if (m_done)
        return;
    m_connection.m_depth = m_level - 1;
    if (m_level == 1) {
        m_connection.rollback();
        return;
    }
    try {
        m_connection.exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1; RELEASE SAVEPOINT %1").arg(savepoint(m_level)));
    } catch (const std::exception &e) {
        qWarning("Rollback to a savepoint failed on %s: %s", qUtf8Printable(m_connection.file()), e.what());
    }
}

void Transaction::commit()
{
    // A commit that fails (a full disk) leaves the transaction open: the
    // destructor then rolls it back.
    if (m_level == 1)
        m_connection.commit();
    else
        m_connection.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepoint(m_level));
    m_done = true;
    m_connection.m_depth = m_level - 1;
}
} // namespace connection

#include "data/Connection.h"

#include "core/Errors.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "data/ForeignTriggers.h"
#include "data/ServerUri.h"
#include "data/postgres/PgConnection.h"
#include "data/sqlite/SqliteConnection.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QtDebug>
#include <algorithm>

namespace connection {
namespace {
// The key of a database: a file by its absolute path, a server by its URI.
QString keyOf(const QString &location)
{
    return isServer(location) ? location : QFileInfo(location).absoluteFilePath();
}

// The open connections of the run, one per database.
QHash<QString, std::shared_ptr<Connection>> &openConnections()
{
    static QHash<QString, std::shared_ptr<Connection>> connections;
    return connections;
}

// At the end of the run every connection is closed, which also folds the
// write-ahead journal of a file back into it.
void closeAll()
{
    for (const std::shared_ptr<Connection> &c : std::as_const(openConnections()))
        c->close();
    openConnections().clear();
}

} // namespace

Connection::Connection(QString location) : m_location(std::move(location)) {}

Connection::~Connection() = default;

void Connection::verifyTable(const TableDef &table, const QString &where)
{
    if (isVerified(table.name))
        return;
    const QStringList stored = storedColumns(table.name);
    if (stored.isEmpty())
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak ditemukan di %2").arg(table.name, where));
    for (const ColumnDef &c : table.columns) {
        const bool present = std::any_of(stored.begin(), stored.end(), [&](const QString &s) {
            return s.compare(c.field.name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            throw EDatabaseError(QStringLiteral("Tabel '%1' di %2 tidak punya field '%3'").arg(table.name, where, c.field.name));
    }
    if (transactionDepth() == 0)
        for (const ReadIndexDef &index : table.readIndexes)
            addIndexIfMissing(index.name, schema::createReadIndex(table, index, true));
    m_verified.insert(table.name);
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

void Connection::close()
{
    m_verified.clear();
    m_openSets.clear();
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

std::shared_ptr<Connection> ofAlias(const QString &alias)
{
    const QString location = database::aliasPath(alias);
    if (location.isEmpty())
        throw EDatabaseError(QStringLiteral("Alias database '%1' tidak dikenal").arg(alias));
    const bool opening = !openConnections().contains(keyOf(location));
    std::shared_ptr<Connection> c = ofFile(location);
    if (opening) {
        try {
            foreigntriggers::refuse(*c);
        } catch (...) {
            closeFile(location);
            throw;
        }
    }
    return c;
}

std::shared_ptr<Connection> ofFile(const QString &location)
{
    const QString key = keyOf(location);
    auto found = openConnections().constFind(key);
    if (found != openConnections().constEnd()) {
        if ((*found)->isOpen())
            return *found;
        (*found)->close();
        openConnections().remove(key);
    }
    // Closed when the application object goes, before static destruction.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine(closeAll);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    std::shared_ptr<Connection> c;
    if (isServer(key))
        c = std::make_shared<PgConnection>(key);
    else
        c = std::make_shared<SqliteConnection>(key);
    openConnections().insert(key, c);
    return c;
}

void foldJournals()
{
    for (const std::shared_ptr<Connection> &c : std::as_const(openConnections())) {
        if (c->isOpen())
            c->foldJournal();
    }
}

void closeFile(const QString &location)
{
    const QString key = keyOf(location);
    if (std::shared_ptr<Connection> c = openConnections().take(key))
        c->close();
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

#include "data/ConnectionRegistry.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/ForeignTriggers.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace connection {

ConnectionRegistry::~ConnectionRegistry() { closeAll(); }

ConnectionRegistry &ConnectionRegistry::process()
{
    static ConnectionRegistry registry;
    // Emptied when the application object goes, before static destruction.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine([] { registry.closeAll(); });
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    return registry;
}

QString ConnectionRegistry::keyOf(const QString &location)
{
    return isServer(location) ? location : QFileInfo(location).absoluteFilePath();
}

std::shared_ptr<Connection> ConnectionRegistry::of(const QString &location)
{
    const QString key = keyOf(location);
    auto found = m_open.constFind(key);
    if (found != m_open.constEnd()) {
        if ((*found)->isOpen())
            return *found;
        (*found)->close();
        m_open.remove(key);
    }
    std::shared_ptr<Connection> c = dialect::of(key).connect(key);
    m_open.insert(key, c);
    return c;
}

bool ConnectionRegistry::holds(const QString &location) const { return m_open.contains(keyOf(location)); }

void ConnectionRegistry::close(const QString &location)
{
    if (std::shared_ptr<Connection> c = m_open.take(keyOf(location)))
        c->close();
}

void ConnectionRegistry::closeAll()
{
    for (const std::shared_ptr<Connection> &c : std::as_const(m_open))
        c->close();
    m_open.clear();
}

void ConnectionRegistry::foldJournals()
{
    for (const std::shared_ptr<Connection> &c : std::as_const(m_open)) {
        if (c->isOpen())
            c->foldJournal();
    }
}

// ---------------------------------------------------------------- short forms

std::shared_ptr<Connection> ofAlias(const QString &alias)
{
    const QString location = database::aliasPath(alias);
    if (location.isEmpty())
        throw EDatabaseError(QStringLiteral("Alias database '%1' tidak dikenal").arg(alias));
    ConnectionRegistry &registry = ConnectionRegistry::process();
    const bool opening = !registry.holds(location);
    std::shared_ptr<Connection> c = registry.of(location);
    if (opening) {
        try {
            foreigntriggers::refuse(*c);
        } catch (...) {
            registry.close(location);
            throw;
        }
    }
    return c;
}

std::shared_ptr<Connection> ofFile(const QString &location) { return ConnectionRegistry::process().of(location); }

void closeFile(const QString &location) { ConnectionRegistry::process().close(location); }

void foldJournals() { ConnectionRegistry::process().foldJournals(); }

} // namespace connection

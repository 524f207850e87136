#pragma once
// The open connections of a run, one per database (a file by its absolute
// path, a server by its URI), so that every dataset, transaction and check
// of one database shares its connection. The process has one registry
// (process()), made on first use and emptied when the application object
// goes, before static destruction: every connection is then closed, which
// also folds a file's write-ahead journal back into it. connection::ofAlias,
// ofFile, closeFile and foldJournals are its short forms.
#include <QHash>
#include <QString>

#include <memory>

namespace connection {
class Connection;

class ConnectionRegistry {
public:
    ConnectionRegistry() = default;
    ~ConnectionRegistry();
    ConnectionRegistry(const ConnectionRegistry &) = delete;
    ConnectionRegistry &operator=(const ConnectionRegistry &) = delete;

    static ConnectionRegistry &process();

    // The open connection to `location`, connecting when there is none (or
    // it was closed); raises EDatabaseError when it cannot.
    std::shared_ptr<Connection> of(const QString &location);
    // True when it holds a connection to `location`, open or closed.
    bool holds(const QString &location) const;
    // Closes and forgets the connection to `location`, if any.
    void close(const QString &location);
    // Closes and forgets every connection.
    void closeAll();
    // foldJournal() on every open connection.
    void foldJournals();

private:
    static QString keyOf(const QString &location);
    QHash<QString, std::shared_ptr<Connection>> m_open;
};
} // namespace connection

#pragma once
// The database the checks (and the admin tool's copy) read, on either engine: a
// file looked at read-only through SQLite's own handle (which leaves nothing
// behind on disk), or a server database through the engine's connection.
// What differs in the SQL of the two is the engine's dialect; this only reads.
#include "data/Connection.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

namespace dbcheck {

class CheckedDatabase {
public:
    virtual ~CheckedDatabase() = default;

    virtual const dialect::EngineDialect &dialect() const = 0;
    // Every row of a query ("?" for each value), one at a time, each value as
    // the engine holds it. Raises when the reading fails.
    virtual void eachRow(const QString &sql, const QVariantList &values,
                         const std::function<void(const QVariantList &)> &row) = 0;
    // The first column of the first row; an invalid variant when there is none.
    QVariant scalar(const QString &sql, const QVariantList &values = {});
    // Columns of a table as stored (empty when the table is missing).
    QStringList storedColumns(const QString &table);
};

// A server database through the engine's connection; raises EDatabaseError.
class ConnectionChecked final : public CheckedDatabase {
public:
    explicit ConnectionChecked(std::shared_ptr<connection::Connection> connection) : m_connection(std::move(connection)) {}
    const dialect::EngineDialect &dialect() const override { return m_connection->dialect(); }
    void eachRow(const QString &sql, const QVariantList &values,
                 const std::function<void(const QVariantList &)> &row) override
    {
        m_connection->eachRow(sql, values, row);
    }

private:
    std::shared_ptr<connection::Connection> m_connection;
};

} // namespace dbcheck

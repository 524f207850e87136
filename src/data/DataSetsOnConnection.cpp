#include "data/DataSetsOnConnection.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Schema.h"

#include <QHash>

#include <algorithm>

std::shared_ptr<DataSetsOnConnection> DataSetsOnConnection::of(const std::shared_ptr<connection::Connection> &connection)
{
    // By the connection object: an entry whose connection is gone (another
    // one may since have its address) is made anew.
    static QHash<const connection::Connection *, std::shared_ptr<DataSetsOnConnection>> kept;
    std::shared_ptr<DataSetsOnConnection> &entry = kept[connection.get()];
    if (entry && entry->m_connection.lock() == connection)
        return entry;
    entry = std::make_shared<DataSetsOnConnection>();
    entry->m_connection = connection;
    for (auto it = kept.begin(); it != kept.end();)
        it = it.value()->m_connection.expired() ? kept.erase(it) : std::next(it);
    return kept.value(connection.get());
}

void DataSetsOnConnection::verifyTable(const TableDef &table, const QString &where)
{
    if (isVerified(table.name))
        return;
    const std::shared_ptr<connection::Connection> connection = m_connection.lock();
    if (!connection)
        throw EDatabaseError(QStringLiteral("Sambungan ke %1 sudah ditutup").arg(where));
    const QStringList stored = connection->storedColumns(table.name);
    if (stored.isEmpty())
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak ditemukan di %2").arg(table.name, where));
    for (const ColumnDef &c : table.columns) {
        const bool present = std::any_of(stored.begin(), stored.end(), [&](const QString &s) {
            return s.compare(c.field.name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            throw EDatabaseError(QStringLiteral("Tabel '%1' di %2 tidak punya field '%3'").arg(table.name, where, c.field.name));
    }
    if (connection->transactionDepth() == 0)
        for (const ReadIndexDef &index : table.readIndexes)
            connection->dialect().addIndexIfMissing(*connection, index.name, schema::createReadIndex(table, index, true));
    m_verified.insert(table.name);
}

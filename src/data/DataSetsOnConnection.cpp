#include "data/DataSetsOnConnection.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Schema.h"

#include <algorithm>

std::shared_ptr<DataSetsOnConnection> DataSetsOnConnection::of(const std::shared_ptr<connection::Connection> &connection)
{
    std::shared_ptr<DataSetsOnConnection> sets = connection->kept<DataSetsOnConnection>();
    sets->m_connection = connection;
    return sets;
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

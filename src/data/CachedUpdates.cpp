#include "data/CachedUpdates.h"

#include "data/Connection.h"
#include "data/DataSetImpl.h"
#include "data/RowWriter.h"
#include "data/Schema.h"

#include <algorithm>

void CachedUpdates::start(const std::shared_ptr<connection::Connection> &connection, const TableDef &table)
{
    if (m_number == 0 || m_numberedOn.lock() != connection) {
        m_number = DataSetsOnConnection::of(connection)->nextCopyNumber();
        m_numberedOn = connection;
    }
    m_connection = connection;
    m_table = &table;
    m_name = QStringLiteral("nota_cache_%1").arg(m_number);
    try {
        for (const QString &sql : m_connection->dialect().copyStatements(table, relation()))
            m_connection->exec(sql);
        refill();
    } catch (...) {
        drop();
        throw;
    }
}

QString CachedUpdates::relation() const { return m_connection->dialect().temporaryRelation(m_name); }

void CachedUpdates::refill()
{
    QStringList cols;
    for (const ColumnDef &c : m_table->columns)
        cols << schema::quote(c.field.name);
    const QString list = cols.join(QStringLiteral(", "));
    m_connection->exec(QStringLiteral("DELETE FROM %1").arg(relation()));
    m_connection->exec(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT rowid, %2 FROM %3")
                           .arg(relation(), list, schema::quote(m_table->name)));
    for (const QString &sql : m_connection->dialect().copyFilled(relation()))
        m_connection->exec(sql);
    forgetChanges();
}

void CachedUpdates::drop()
{
    forgetChanges();
    if (m_name.isEmpty())
        return;
    // When the run is ending the connection took its temp tables along.
    if (m_connection && m_connection->isOpen()) {
        try {
            m_connection->exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(relation()));
        } catch (...) {
            // A copy left behind is gone when the connection closes.
        }
    }
    m_name.clear();
    m_connection.reset();
}

void CachedUpdates::forgetChanges()
{
    m_inserted.clear();
    m_updated.clear();
    m_deleted.clear();
}

void CachedUpdates::inserted(qint64 rowid) { m_inserted.insert(rowid); }

void CachedUpdates::updated(qint64 rowid)
{
    if (!m_inserted.contains(rowid))
        m_updated.insert(rowid);
}

void CachedUpdates::deleted(qint64 rowid)
{
    if (m_inserted.remove(rowid))
        return;  // never reached the table
    m_updated.remove(rowid);
    m_deleted.insert(rowid);
}

bool CachedUpdates::pending() const { return !m_inserted.isEmpty() || !m_updated.isEmpty() || !m_deleted.isEmpty(); }

void CachedUpdates::apply()
{
    if (!pending())
        return;
    QStringList cols;
    for (const ColumnDef &c : m_table->columns)
        if (c.field.kind != FieldKind::AutoInc)
            cols << schema::quote(c.field.name);
    const QString main = schema::quote(m_table->name);
    const QString copy = relation();
    const auto sorted = [](const QSet<qint64> &set) {
        QList<qint64> list(set.begin(), set.end());
        std::sort(list.begin(), list.end());
        return list;
    };
    connection::Transaction tx(*m_connection);
    QStringList sets;
    for (const QString &c : cols)
        sets << QStringLiteral("%1 = (SELECT %1 FROM %2 WHERE rowid = ?)").arg(c, copy);
    const QString del = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(main);
    const QString upd = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(main, sets.join(QStringLiteral(", ")));
    const QString ins =
        QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 WHERE rowid = ?").arg(main, cols.join(QStringLiteral(", ")), copy);
    connection::Failure failure;
    for (qint64 id : sorted(m_deleted))
        if (m_connection->run(del, {id}, &failure) < 0)
            RowWriter::failWrite(*m_table, failure, {});
    for (qint64 id : sorted(m_updated))
        if (m_connection->run(upd, QVariantList(cols.size() + 1, id), &failure) < 0)
            RowWriter::failWrite(*m_table, failure, {});
    for (qint64 id : sorted(m_inserted))
        if (m_connection->run(ins, {id}, &failure) < 0)
            RowWriter::failWrite(*m_table, failure, {});
    tx.commit();
}

// ---------------------------------------------------------------- a table's cached updates

void DataSet::Impl::setCachedUpdates(bool on)
{
    if (on == cachedUpdates)
        return;
    if (q->m_state == DataSetState::Inactive) {
        cachedUpdates = on;
        return;
    }
    checkBrowseMode();
    if (on)
        cache.start(conn, *source);
    else
        cache.drop();  // what was not applied is dropped
    cachedUpdates = on;
    rereadRows();
    notify(Rows | Record);
}

void DataSet::Impl::applyCachedUpdates()
{
    checkActive();
    if (!cachedUpdates)
        return;
    checkBrowseMode();
    if (cache.pending()) {
        cache.apply();
        announceWrite();
    }
    cache.refill();  // the copy now shows the rows as stored, auto-numbers included
    rereadRows();
    notify(Rows | Record);
}

void DataSet::Impl::cancelCachedUpdates()
{
    checkActive();
    if (!cachedUpdates)
        return;
    const bool wasEditing = q->m_state != DataSetState::Browse;
    q->cancel();
    cache.refill();
    rereadRows();
    notify(Rows | Record | (wasEditing ? State : 0));
}

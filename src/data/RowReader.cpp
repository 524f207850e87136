#include "data/RowReader.h"

#include "data/Connection.h"
#include "data/RowBlock.h"
#include "data/Schema.h"

#include <algorithm>


RowReader::RowReader(std::shared_ptr<connection::Connection> connection, RowSelection selection)
    : m_connection(std::move(connection)), m_selection(std::move(selection))
{
    m_orderQuoted = m_selection.orderColumn.isEmpty() ? QString() : schema::quote(m_selection.orderColumn);
    m_tie = m_selection.tieColumn.isEmpty() || m_orderQuoted.isEmpty() ? QStringLiteral("rowid") : schema::quote(m_selection.tieColumn);
    QStringList select{QStringLiteral("rowid")};
    for (int i = 0; i < m_selection.columns.size(); ++i) {
        const QString c = schema::quote(m_selection.columns[i]);
        select << (m_selection.kinds[i] == FieldKind::Graphic ? m_connection->dialect().valuePresent(c) : c);
    }
    // The order and tie values come from the fields when they are among them.
    const auto resultColumn = [&](const QString &name) {
        for (int i = 0; i < m_selection.columns.size(); ++i)
            if (m_selection.columns[i].compare(name, Qt::CaseInsensitive) == 0 && m_selection.kinds[i] != FieldKind::Graphic)
                return m_valuesAt + i;
        select << schema::quote(name);
        return int(select.size()) - 1;
    };
    if (!m_orderQuoted.isEmpty())
        m_orderAt = resultColumn(m_selection.orderColumn);
    if (m_tie != QLatin1String("rowid"))
        m_tieAt = resultColumn(m_selection.tieColumn);
    m_selectList = select.join(QStringLiteral(", "));
    for (int i = 0; i < m_selection.kinds.size(); ++i)
        if (m_selection.kinds[i] == FieldKind::Graphic)
            m_graphics |= quint64(1) << i;
    m_shape = connection::BlockShape{int(m_selection.columns.size()), int(select.size()) - m_valuesAt, m_graphics};
}

bool RowSelection::sameStatements(const RowSelection &other) const
{
    return relation == other.relation && columns == other.columns && kinds == other.kinds
        && orderColumn == other.orderColumn && tieColumn == other.tieColumn && orderRequired == other.orderRequired
        && conditions == other.conditions;
}

QString RowReader::where(const QString &extra) const
{
    QStringList parts = m_selection.conditions;
    if (!extra.isEmpty())
        parts << extra;
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

QString RowReader::orderAsc() const
{
    // Rows without an order value come first, as in an SQLite file.
    return m_orderQuoted.isEmpty() ? QStringLiteral("rowid")
                                   : m_orderQuoted + m_connection->dialect().nullsFirst() + QStringLiteral(", ") + m_tie;
}

QString RowReader::orderDesc() const
{
    return m_orderQuoted.isEmpty()
        ? QStringLiteral("rowid DESC")
        : m_orderQuoted + QStringLiteral(" DESC") + m_connection->dialect().nullsLast() + QStringLiteral(", ") + m_tie + QStringLiteral(" DESC");
}

QString RowReader::select(const QString &condition, const QString &order) const
{
    return QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT ?").arg(m_selectList, m_selection.relation, where(condition), order);
}

QString RowReader::sqlOf(Read read) const
{
    const QString &c = m_orderQuoted;
    const QString &t = m_tie;
    switch (read) {
    case FromStart: return select(QString(), orderAsc());
    case FromEnd: return select(QString(), orderDesc());
    case FromOffset: return select(QString(), orderAsc()) + QStringLiteral(" OFFSET ?");
    case AfterRowid: return select(QStringLiteral("rowid > ?"), orderAsc());
    case BeforeRowid: return select(QStringLiteral("rowid < ?"), orderDesc());
    case AfterKey: return select(QStringLiteral("%1 >= ? AND (%1 > ? OR %2 > ?)").arg(c, t), orderAsc());
    case BeforeKey: return select(QStringLiteral("%1 <= ? AND (%1 < ? OR %2 < ?)").arg(c, t), orderDesc());
    case AfterNullKey: return select(QStringLiteral("%1 IS NULL AND %2 > ?").arg(c, t), t);
    case BeforeNullKey: return select(QStringLiteral("%1 IS NULL AND %2 < ?").arg(c, t), t + QStringLiteral(" DESC"));
    case WithKey: return select(QStringLiteral("%1 IS NOT NULL").arg(c), orderAsc());
    case WithoutKey: return select(QStringLiteral("%1 IS NULL").arg(c), t + QStringLiteral(" DESC"));
    case ByRowid: return select(QStringLiteral("rowid = ?"), QStringLiteral("rowid"));
    case ReadCount: break;
    }
    return QString();
}

connection::Statement *RowReader::statement(Read read)
{
    // The connection finalizes its statements when it closes, and a closed
    // connection is never opened again: it raises from here on.
    m_connection->checkOpen();
    if (!m_statements[read])
        m_statements[read] = m_connection->statement(sqlOf(read));
    return m_statements[read];
}

std::vector<Row> RowReader::fetch(connection::Statement *stmt, const QVariantList &binds, int limit, int offset)
{
    const std::shared_ptr<const RowBlock> block = m_connection->rows(stmt, m_selection.binds, binds, limit, offset, m_shape);
    const int orderAt = m_orderAt >= 0 ? m_orderAt - m_valuesAt : -1;
    const int tieAt = m_tieAt > 0 ? m_tieAt - m_valuesAt : -1;
    std::vector<Row> rows;
    const int n = block->rows();
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        rows.emplace_back(block->rowid(i), m_graphics, block, i, orderAt, tieAt);
    return rows;
}

std::vector<Row> RowReader::after(const Row *anchor, int limit)
{
    if (!anchor)
        return fetch(statement(FromStart), {}, limit);
    if (m_orderQuoted.isEmpty())
        return fetch(statement(AfterRowid), {anchor->rowid}, limit);
    const QVariant key = anchor->orderKey();
    if (!key.isNull())
        return fetch(statement(AfterKey), {key, key, anchor->tieKey()}, limit);
    // Rows without a value come first, in tie order; then every row with one.
    std::vector<Row> rows = fetch(statement(AfterNullKey), {anchor->tieKey()}, limit);
    if (int(rows.size()) < limit) {
        std::vector<Row> more = fetch(statement(WithKey), {}, limit - int(rows.size()));
        std::move(more.begin(), more.end(), std::back_inserter(rows));
    }
    return rows;
}

std::vector<Row> RowReader::before(const Row *anchor, int limit)
{
    if (!anchor)
        return fetch(statement(FromEnd), {}, limit);
    if (m_orderQuoted.isEmpty())
        return fetch(statement(BeforeRowid), {anchor->rowid}, limit);
    const QVariant key = anchor->orderKey();
    if (key.isNull())
        return fetch(statement(BeforeNullKey), {anchor->tieKey()}, limit);
    std::vector<Row> rows = fetch(statement(BeforeKey), {key, key, anchor->tieKey()}, limit);
    if (int(rows.size()) < limit && !m_selection.orderRequired) {
        std::vector<Row> more = fetch(statement(WithoutKey), {}, limit - int(rows.size()));
        std::move(more.begin(), more.end(), std::back_inserter(rows));
    }
    return rows;
}

std::vector<Row> RowReader::at(int offset, int limit)
{
    return offset > 0 ? fetch(statement(FromOffset), {}, limit, offset) : fetch(statement(FromStart), {}, limit);
}

std::optional<Row> RowReader::byRowid(qint64 rowid)
{
    std::vector<Row> rows = fetch(statement(ByRowid), {rowid}, 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

std::optional<Row> RowReader::firstWhere(const QString &column, const QVariant &value)
{
    // Key seeks and lookups repeat on the same column: its statements are kept.
    const bool none = value.isNull();
    const QString key = none ? column + QLatin1Char('\n') : column;
    m_connection->checkOpen();
    connection::Statement *&stmt = m_seeks[key];
    if (!stmt) {
        const QString c = schema::quote(column);
        stmt = m_connection->statement(
            select(none ? QStringLiteral("%1 IS NULL").arg(c) : QStringLiteral("%1 = ?").arg(c), orderAsc()));
    }
    std::vector<Row> rows = none ? fetch(stmt, {}, 1) : fetch(stmt, {value}, 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

qint64 RowReader::scalar(const QString &sql, const QVariantList &binds)
{
    return m_connection->scalar(sql, binds).toLongLong();
}

int RowReader::count()
{
    if (m_countSql.isEmpty())
        m_countSql = QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(m_selection.relation, where(QString()));
    return int(scalar(m_countSql, m_selection.binds));
}

int RowReader::position(const Row &row)
{
    const auto countWhere = [this](const QString &extra) {
        return QStringLiteral("(SELECT COUNT(*) FROM %1%2)").arg(m_selection.relation, where(extra));
    };
    if (m_orderQuoted.isEmpty())
        return int(scalar(QStringLiteral("SELECT ") + countWhere(QStringLiteral("rowid < ?")), m_selection.binds + QVariantList{row.rowid}));
    const QString c = m_orderQuoted;
    const QString t = m_tie;
    if (row.orderKey().isNull())
        return int(scalar(QStringLiteral("SELECT ") + countWhere(QStringLiteral("%1 IS NULL AND %2 < ?").arg(c, t)),
                          m_selection.binds + QVariantList{row.tieKey()}));
    QString sql = QStringLiteral("SELECT %1 + %2").arg(countWhere(QStringLiteral("%1 < ?").arg(c)),
                                                      countWhere(QStringLiteral("%1 = ? AND %2 < ?").arg(c, t)));
    QVariantList binds = m_selection.binds;
    const QVariant orderKey = row.orderKey();
    binds << orderKey;
    binds += m_selection.binds;
    binds << orderKey << row.tieKey();
    if (!m_selection.orderRequired) {  // rows without a value come first
        sql += QStringLiteral(" + ") + countWhere(QStringLiteral("%1 IS NULL").arg(c));
        binds += m_selection.binds;
    }
    return int(scalar(sql, binds));
}

QVariant RowReader::loadValue(qint64 rowid, int field)
{
    // Made once a field: a report reads a picture every record.
    if (m_loadSql.size() != m_selection.columns.size())
        m_loadSql = QStringList(m_selection.columns.size());
    QString &sql = m_loadSql[field];
    if (sql.isEmpty())
        sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(schema::quote(m_selection.columns[field]), m_selection.relation);
    const QVariant v = m_connection->scalar(sql, {rowid});
    return v.isNull() ? QVariant() : v;
}

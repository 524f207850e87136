#include "data/RowReader.h"

#include "data/Connection.h"
#include "data/Schema.h"

#include <QSqlError>
#include <algorithm>

RowReader::RowReader(QSqlDatabase db, RowSpec spec) : m_db(db), m_spec(std::move(spec))
{
    m_orderQuoted = m_spec.orderColumn.isEmpty() ? QString() : schema::quote(m_spec.orderColumn);
    m_tie = m_spec.tieColumn.isEmpty() || m_orderQuoted.isEmpty() ? QStringLiteral("rowid") : schema::quote(m_spec.tieColumn);
    QStringList select{QStringLiteral("rowid"), m_orderQuoted.isEmpty() ? QStringLiteral("NULL") : m_orderQuoted, m_tie};
    for (int i = 0; i < m_spec.columns.size(); ++i) {
        const QString c = schema::quote(m_spec.columns[i]);
        select << (m_spec.kinds[i] == FieldKind::Graphic ? QStringLiteral("(%1 IS NOT NULL)").arg(c) : c);
    }
    m_selectList = select.join(QStringLiteral(", "));
}

QSqlQuery &RowReader::statement(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            connection::fail(QStringLiteral("Cannot read table %1").arg(m_spec.relation), q.lastError());
        it = m_statements.insert(sql, q);
    }
    return *it;
}

QString RowReader::where(const QString &extra) const
{
    QStringList parts = m_spec.conditions;
    if (!extra.isEmpty())
        parts << extra;
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

QString RowReader::orderAsc() const
{
    return m_orderQuoted.isEmpty() ? QStringLiteral("rowid") : m_orderQuoted + QStringLiteral(", ") + m_tie;
}

QString RowReader::orderDesc() const
{
    return m_orderQuoted.isEmpty() ? QStringLiteral("rowid DESC")
                                   : m_orderQuoted + QStringLiteral(" DESC, ") + m_tie + QStringLiteral(" DESC");
}

std::vector<Row> RowReader::fetch(const QString &condition, const QVariantList &binds, const QString &order, int limit,
                                  int offset)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT ?")
                      .arg(m_selectList, m_spec.relation, where(condition), order);
    if (offset > 0)
        sql += QStringLiteral(" OFFSET ?");
    QSqlQuery &q = statement(sql);
    int i = 0;
    for (const QVariant &v : m_spec.binds)
        q.bindValue(i++, v);
    for (const QVariant &v : binds)
        q.bindValue(i++, v);
    q.bindValue(i++, limit);
    if (offset > 0)
        q.bindValue(i++, offset);
    if (!q.exec())
        connection::fail(QStringLiteral("Cannot read table %1").arg(m_spec.relation), q.lastError());
    std::vector<Row> rows;
    const int n = int(m_spec.columns.size());
    while (q.next()) {
        Row r;
        r.rowid = q.value(0).toLongLong();
        r.orderKey = q.value(1);
        r.tieKey = q.value(2);
        r.values.reserve(n);
        for (int c = 0; c < n; ++c) {
            r.values.append(q.value(c + 3));
            if (m_spec.kinds[c] == FieldKind::Graphic)
                r.lazy |= quint64(1) << c;
        }
        rows.push_back(std::move(r));
    }
    q.finish();
    return rows;
}

std::vector<Row> RowReader::after(const Row *anchor, int limit)
{
    if (!anchor)
        return fetch(QString(), {}, orderAsc(), limit);
    if (m_orderQuoted.isEmpty())
        return fetch(QStringLiteral("rowid > ?"), {anchor->rowid}, orderAsc(), limit);
    const QString c = m_orderQuoted;
    const QString t = m_tie;
    if (!anchor->orderKey.isNull())
        return fetch(QStringLiteral("%1 >= ? AND (%1 > ? OR %2 > ?)").arg(c, t),
                     {anchor->orderKey, anchor->orderKey, anchor->tieKey}, orderAsc(), limit);
    // Rows without a value come first, in tie order; then every row with one.
    std::vector<Row> rows = fetch(QStringLiteral("%1 IS NULL AND %2 > ?").arg(c, t), {anchor->tieKey}, t, limit);
    if (int(rows.size()) < limit) {
        std::vector<Row> more = fetch(QStringLiteral("%1 IS NOT NULL").arg(c), {}, orderAsc(), limit - int(rows.size()));
        std::move(more.begin(), more.end(), std::back_inserter(rows));
    }
    return rows;
}

std::vector<Row> RowReader::before(const Row *anchor, int limit)
{
    if (!anchor)
        return fetch(QString(), {}, orderDesc(), limit);
    if (m_orderQuoted.isEmpty())
        return fetch(QStringLiteral("rowid < ?"), {anchor->rowid}, orderDesc(), limit);
    const QString c = m_orderQuoted;
    const QString t = m_tie;
    const QString tieDesc = t + QStringLiteral(" DESC");
    if (anchor->orderKey.isNull())
        return fetch(QStringLiteral("%1 IS NULL AND %2 < ?").arg(c, t), {anchor->tieKey}, tieDesc, limit);
    std::vector<Row> rows = fetch(QStringLiteral("%1 <= ? AND (%1 < ? OR %2 < ?)").arg(c, t),
                                  {anchor->orderKey, anchor->orderKey, anchor->tieKey}, orderDesc(), limit);
    if (int(rows.size()) < limit) {
        std::vector<Row> more = fetch(QStringLiteral("%1 IS NULL").arg(c), {}, tieDesc, limit - int(rows.size()));
        std::move(more.begin(), more.end(), std::back_inserter(rows));
    }
    return rows;
}

std::vector<Row> RowReader::at(int offset, int limit) { return fetch(QString(), {}, orderAsc(), limit, offset); }

std::optional<Row> RowReader::byRowid(qint64 rowid)
{
    std::vector<Row> rows = fetch(QStringLiteral("rowid = ?"), {rowid}, QStringLiteral("rowid"), 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

std::optional<Row> RowReader::firstWhere(const QString &column, const QVariant &value)
{
    const QString c = schema::quote(column);
    std::vector<Row> rows = value.isNull()
        ? fetch(QStringLiteral("%1 IS NULL").arg(c), {}, orderAsc(), 1)
        : fetch(QStringLiteral("%1 = ?").arg(c), {value}, orderAsc(), 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

qint64 RowReader::scalar(const QString &sql, const QVariantList &binds)
{
    QSqlQuery &q = statement(sql);
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds[i]);
    if (!q.exec() || !q.next())
        connection::fail(QStringLiteral("Cannot read table %1").arg(m_spec.relation), q.lastError());
    const qint64 v = q.value(0).toLongLong();
    q.finish();
    return v;
}

int RowReader::count()
{
    return int(scalar(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(m_spec.relation, where(QString())), m_spec.binds));
}

int RowReader::position(const Row &row)
{
    const auto countWhere = [this](const QString &extra) {
        return QStringLiteral("(SELECT COUNT(*) FROM %1%2)").arg(m_spec.relation, where(extra));
    };
    if (m_orderQuoted.isEmpty())
        return int(scalar(QStringLiteral("SELECT ") + countWhere(QStringLiteral("rowid < ?")), m_spec.binds + QVariantList{row.rowid}));
    const QString c = m_orderQuoted;
    const QString t = m_tie;
    if (row.orderKey.isNull())
        return int(scalar(QStringLiteral("SELECT ") + countWhere(QStringLiteral("%1 IS NULL AND %2 < ?").arg(c, t)),
                          m_spec.binds + QVariantList{row.tieKey}));
    const QString sql = QStringLiteral("SELECT %1 + %2 + %3")
                            .arg(countWhere(QStringLiteral("%1 IS NULL").arg(c)),
                                 countWhere(QStringLiteral("%1 < ?").arg(c)),
                                 countWhere(QStringLiteral("%1 = ? AND %2 < ?").arg(c, t)));
    QVariantList binds = m_spec.binds;
    binds += m_spec.binds;
    binds << row.orderKey;
    binds += m_spec.binds;
    binds << row.orderKey << row.tieKey;
    return int(scalar(sql, binds));
}

QVariant RowReader::loadValue(qint64 rowid, int field)
{
    QSqlQuery &q = statement(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                 .arg(schema::quote(m_spec.columns[field]), m_spec.relation));
    q.bindValue(0, rowid);
    if (!q.exec())
        connection::fail(QStringLiteral("Cannot read table %1").arg(m_spec.relation), q.lastError());
    QVariant v = q.next() ? q.value(0) : QVariant();
    q.finish();
    return v;
}

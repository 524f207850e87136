#include "data/Query.h"

#include "data/Connection.h"

#include "core/Errors.h"
#include "data/DataSetImpl.h"
#include "data/Schema.h"
#include "data/QueryText.h"

Query::Query(QObject *parent) : DataSet(parent) {}

Query::~Query() = default;

QString Query::sql() const { return m_sql; }

void Query::setSql(const QString &text)
{
    close();
    m_sql = text;
    // Fields follow the statement at once when it reads; a statement that does
    // not is reported when the query is opened.
    try {
        m_parsed = std::make_unique<ParsedQuery>(querytext::parse(text));
        d->buildFields(m_parsed->table, m_parsed->columns);
    } catch (const EError &) {
        m_parsed.reset();
    }
}

const TableDef &Query::tableToOpen()
{
    auto parsed = std::make_unique<ParsedQuery>(querytext::parse(m_sql));
    m_parsed = std::move(parsed);
    d->buildFields(m_parsed->table, m_parsed->columns);
    return *m_parsed->table;
}

QString Query::orderColumn() const
{
    if (!m_parsed)
        return QString();
    return m_parsed->orderColumn.isEmpty() ? m_parsed->table->keyColumn : m_parsed->orderColumn;
}

void Query::narrowRows(RowSelection &selection) const
{
    if (m_parsed && m_parsed->hasLike) {
        selection.conditions << selection.engine->dialect().likeCondition(
            selection.relation, m_parsed->likeColumn, m_parsed->pattern, selection.binds,
            selection.engine->hasSearchIndex(selection.relation) ? selection.engine : nullptr);
    }
}

#include "data/Query.h"

#include "core/Errors.h"
#include "data/DataSetImpl.h"

Query::Query(QObject *parent) : DataSet(parent) { d->kind = Impl::Kind::Query; }

Query::~Query() = default;

QString Query::sql() const { return d->sql; }

void Query::setSql(const QString &text)
{
    close();
    d->sql = text;
    // Fields follow the statement at once when it reads; a statement that does
    // not is reported when the query is opened.
    try {
        d->parsed = sqldialect::parse(text);
        d->buildFields(d->parsed->table, d->parsed->columns);
    } catch (const EError &) {
        d->parsed.reset();
    }
}

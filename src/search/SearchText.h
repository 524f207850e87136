#pragma once
// The texts the two search windows hand to the engine: the statement of a
// search and the filter that narrows the detail to one record. No widgets.
#include <QString>

namespace searchtext {

// The search statement, seven lines joined by line feeds:
//   SELECT / <columns> / FROM / <table> / Where /
//   <column> Like "%<typed>%" / ORDER BY <order>
// A double quote typed into the search box is written doubled, so it stays
// part of the pattern (which the engine binds as a parameter) and cannot end
// it; "%" and "_" stay the pattern's wildcards.
QString statement(const QString &columns, const QString &table, const QString &column, const QString &typed,
                  const QString &orderColumn);

// "<field>='<value>'" with every single quote of the value doubled.
QString equalsFilter(const QString &field, const QString &value);

} // namespace searchtext

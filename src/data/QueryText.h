#pragma once
// The system's small query language:
//   SELECT <column> {, <column>} | *  FROM <table>
//   [WHERE <column> LIKE "<pattern>"]  [ORDER BY <column>]
// Keywords in any letter case, separated by blanks or line breaks. The pattern
// is in double quotes, two double quotes standing for one; "%" and "_" are the
// wildcards of LIKE. Every name is checked against the schema and comes back
// spelt as the schema spells it. Errors are EDatabaseError with a clear text.
#include <QString>
#include <QStringList>

struct TableDef;

struct ParsedQuery {
    const TableDef *table = nullptr;
    QStringList columns;     // schema spelling, in the order selected
    bool hasLike = false;
    QString likeColumn;
    QString pattern;         // bound as a parameter
    QString orderColumn;     // empty: the table's key order
};

namespace querytext {
ParsedQuery parse(const QString &text);
} // namespace querytext

#pragma once
// A read-only query in the system's small SQL dialect:
//   SELECT <column>, ... | * FROM <table> [WHERE <column> LIKE "<pattern>"] [ORDER BY <column>]
// Keywords in any letter case, lines separated by line feeds or blanks; the
// pattern is in double quotes (two double quotes stand for one) and is bound
// as a parameter; every name is checked against the schema. Without ORDER BY
// the rows come in the table's key order. The statement is parsed when set
// (its fields exist from then on); a bad one raises when the query is opened,
// and the query stays closed.
#include "data/DataSet.h"

#include <memory>

struct ParsedQuery;

class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(QObject *parent = nullptr);
    ~Query() override;

    QString sql() const;
    void setSql(const QString &text);  // closes the query first

protected:
    const TableDef &tableToOpen() override;
    QString orderColumn() const override;
    void narrowRows(RowSelection &selection) const override;
    bool isWritable() const override { return false; }

private:
    QString m_sql;
    std::unique_ptr<ParsedQuery> m_parsed;  // the statement, parsed when set; nullptr when it does not read
};

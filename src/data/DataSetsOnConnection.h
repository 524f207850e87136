#pragma once
// What the datasets keep per connection: which of them are open on it (each
// told of the others' writes), which tables were checked against the schema
// there, and the numbers of their private copies. The connection holds it
// for the data-set layer without knowing what it is (Connection::kept), so
// it lives as long as the connection object.
#include "data/DataSet.h"

#include <QList>
#include <QSet>
#include <QString>

#include <memory>

struct TableDef;
namespace connection {
class Connection;
}

class DataSetsOnConnection {
public:
    // The bookkeeping of `connection`, made on first use.
    static std::shared_ptr<DataSetsOnConnection> of(const std::shared_ptr<connection::Connection> &connection);

    // The datasets open on the connection, told of each other's writes.
    void attach(DataSet::Impl *dataSet) { m_openSets.append(dataSet); }
    void detach(DataSet::Impl *dataSet) { m_openSets.removeAll(dataSet); }
    const QList<DataSet::Impl *> &openSets() const { return m_openSets; }

    // A number for a private temporary table, new on the connection.
    int nextCopyNumber() { return ++m_copies; }

    // Raises EDatabaseError unless `table` is stored with every field of the
    // schema; `where` names the database in the message. Once per connection,
    // and then a database made before one of the table's read indexes gets it,
    // when no transaction is under way: without it reading is only slower.
    void verifyTable(const TableDef &table, const QString &where);
    bool isVerified(const QString &table) const { return m_verified.contains(table); }

private:
    std::weak_ptr<connection::Connection> m_connection;
    QList<DataSet::Impl *> m_openSets;
    QSet<QString> m_verified;
    int m_copies = 0;
};

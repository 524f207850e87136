#pragma once
// Cached updates of one table: its rows live in a private temporary copy on
// the dataset's connection, posts and deletes go to the copy, and what
// changed is listed until it is applied to the table in one transaction or
// dropped. Auto-numbers of new records are given when applied.
#include <QSet>
#include <QString>
#include <memory>

struct TableDef;
namespace connection {
class Connection;
}

class CachedUpdates {
public:
    // Makes the copy of `table` on `connection`, with the rows as stored.
    void start(const std::shared_ptr<connection::Connection> &connection, const TableDef &table);
    // The copy shows the rows as stored again; nothing is pending.
    void refill();
    // Drops the copy and whatever was pending. Never raises.
    void drop();
    bool started() const { return !m_name.isEmpty(); }
    QString relation() const;  // the copy, schema-qualified and quoted

    void inserted(qint64 rowid);
    void updated(qint64 rowid);
    void deleted(qint64 rowid);
    bool pending() const;
    // Writes the pending changes to the table in one transaction: all or
    // nothing. The copy is left as it is.
    void apply();

private:
    void forgetChanges();

    std::shared_ptr<connection::Connection> m_connection;
    const TableDef *m_table = nullptr;
    // The copy keeps its name for this dataset on one connection, so that its
    // statements are reused.
    std::weak_ptr<connection::Connection> m_numberedOn;
    int m_number = 0;
    QString m_name;
    QSet<qint64> m_inserted, m_updated, m_deleted;
};

#pragma once
// Several posts and deletes stored together, all of them or none: the
// datasets of the alias post inside the transaction while it is open. Rolled
// back unless committed; the datasets that took part should be refreshed
// after a rollback, since what they posted is gone.
#include <QString>
#include <memory>

namespace connection {
class Connection;
class Transaction;
}

class DatabaseTransaction {
public:
    explicit DatabaseTransaction(const QString &alias = QStringLiteral("KV"));
    ~DatabaseTransaction();
    DatabaseTransaction(const DatabaseTransaction &) = delete;
    DatabaseTransaction &operator=(const DatabaseTransaction &) = delete;
    void commit();

private:
    std::shared_ptr<connection::Connection> m_connection;
    std::unique_ptr<connection::Transaction> m_transaction;
};

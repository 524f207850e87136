#include "data/DatabaseTransaction.h"

#include "data/Connection.h"

DatabaseTransaction::DatabaseTransaction(const QString &alias)
    : m_connection(connection::ofAlias(alias)), m_transaction(std::make_unique<connection::Transaction>(*m_connection))
{
}

DatabaseTransaction::~DatabaseTransaction() = default;

void DatabaseTransaction::commit() { m_transaction->commit(); }

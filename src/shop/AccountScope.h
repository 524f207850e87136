#pragma once
// The accounts table is open only while one operation runs. This opens it
// and, however the operation ends (done, or by an engine refusal or a bad
// number), drops an unstored record and closes it, so nothing half done is
// posted later.
#include "data/PendingRecord.h"
#include "data/Table.h"

class AccountScope {
public:
    explicit AccountScope(Table &table) : m_table(table) { m_table.open(); }
    ~AccountScope()
    {
        dropUnstored(m_table);
        try {
            m_table.close();
        } catch (...) {
            // An error on the way out is not the one to report.
        }
    }
    AccountScope(const AccountScope &) = delete;
    AccountScope &operator=(const AccountScope &) = delete;

private:
    Table &m_table;
};

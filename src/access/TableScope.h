#pragma once
// The administrator table is closed except while an action runs. When an
// action ends by an error (engine refusal, bad number), this drops the
// unstored record and closes the table, so no half-done change is posted
// later by another window's seek.
#include "data/Table.h"

#include <exception>

class TableScope {
public:
    explicit TableScope(Table &table) : m_table(table), m_errors(std::uncaught_exceptions()) {}
    ~TableScope()
    {
        if (std::uncaught_exceptions() <= m_errors)
            return;
        try {
            if (m_table.state() == DataSetState::Edit || m_table.state() == DataSetState::Insert)
                m_table.cancel();
            m_table.close();
        } catch (...) {
            // The original error is the one reported.
        }
    }
    TableScope(const TableScope &) = delete;
    TableScope &operator=(const TableScope &) = delete;

private:
    Table &m_table;
    int m_errors;
};

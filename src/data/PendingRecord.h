#pragma once
// Dropping a record being appended or edited that was not stored: on the way
// out of a scope left by an error (an engine refusal, a bad number), so no
// later move or seek posts it behind the person's back.
#include "data/DataSet.h"

#include <exception>

// Cancels the record `dataSet` is appending or editing, if any. An error on
// the way out is not the one to report: it is swallowed.
inline void dropUnstored(DataSet &dataSet) noexcept
{
    try {
        if (dataSet.state() == DataSetState::Edit || dataSet.state() == DataSetState::Insert)
            dataSet.cancel();
    } catch (...) {
    }
}

// The scope guard: drops the unstored record when the scope is left by an
// error, and leaves it alone otherwise.
class PendingRecord {
public:
    explicit PendingRecord(DataSet &dataSet) : m_dataSet(dataSet), m_errors(std::uncaught_exceptions()) {}
    ~PendingRecord()
    {
        if (std::uncaught_exceptions() > m_errors)
            dropUnstored(m_dataSet);
    }
    PendingRecord(const PendingRecord &) = delete;
    PendingRecord &operator=(const PendingRecord &) = delete;

private:
    DataSet &m_dataSet;
    int m_errors;
};

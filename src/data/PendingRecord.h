#pragma once
// A record being appended or edited inside a scope: when the scope is left by
// an error (an engine refusal, a bad number), the unstored record is dropped,
// so no later move or seek posts it behind the person's back.
#include "data/DataSet.h"

#include <exception>

class PendingRecord {
public:
    explicit PendingRecord(DataSet &dataSet) : m_dataSet(dataSet), m_errors(std::uncaught_exceptions()) {}
    ~PendingRecord()
    {
        if (std::uncaught_exceptions() <= m_errors)
            return;
        try {
            if (m_dataSet.state() == DataSetState::Edit || m_dataSet.state() == DataSetState::Insert)
                m_dataSet.cancel();
        } catch (...) {
            // The original error is the one reported.
        }
    }
    PendingRecord(const PendingRecord &) = delete;
    PendingRecord &operator=(const PendingRecord &) = delete;

private:
    DataSet &m_dataSet;
    int m_errors;
};

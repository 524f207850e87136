#include "data/RowCache.h"

#include <algorithm>

void RowCache::clear()
{
    m_rows.clear();
    m_count = -1;
}

void RowCache::keepFirst(const std::vector<Row> &rows, int window)
{
    for (int i = 0; i < int(rows.size()); ++i)
        m_rows.insert(i, rows[i]);
    if (int(rows.size()) < window)
        m_count = int(rows.size());
}

const Row *RowCache::at(RowReader &reader, int index, const Row *current, int currentIndex)
{
    if (index < 0 || (m_count >= 0 && index >= m_count))
        return nullptr;
    auto found = m_rows.constFind(index);
    if (found != m_rows.constEnd())
        return &*found;
    if (current && currentIndex >= 0 && !m_rows.contains(currentIndex))
        m_rows.insert(currentIndex, *current);

    const int start = index / kWindow * kWindow;
    std::vector<Row> rows;
    const auto prev = m_rows.constFind(start - 1);
    const auto next = m_rows.constFind(start + kWindow);
    if (prev != m_rows.constEnd()) {
        rows = reader.after(&*prev, kWindow);
    } else if (next != m_rows.constEnd()) {
        rows = reader.before(&*next, kWindow);
        std::reverse(rows.begin(), rows.end());
        if (int(rows.size()) != kWindow)
            rows = reader.at(start, kWindow);
    } else {
        rows = reader.at(start, kWindow);
    }
    if (m_rows.size() + int(rows.size()) > kMaxCachedRows)
        m_rows.clear();
    for (int i = 0; i < int(rows.size()); ++i)
        m_rows.insert(start + i, rows[i]);
    if (int(rows.size()) < kWindow)
        m_count = start + int(rows.size());
    found = m_rows.constFind(index);
    return found == m_rows.constEnd() ? nullptr : &*found;
}

int RowCache::count(RowReader &reader)
{
    if (m_count < 0)
        m_count = reader.count();
    return m_count;
}

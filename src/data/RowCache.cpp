#include "data/RowCache.h"

#include <algorithm>

void RowCache::clear()
{
    m_windows.clear();
    m_rows = 0;
    m_count = -1;
}

void RowCache::keepFirst(std::vector<Row> rows, int window)
{
    if (int(rows.size()) < window)
        m_count = int(rows.size());
    m_rows += int(rows.size());
    m_windows[0] = std::move(rows);
}

const Row *RowCache::cached(int index) const
{
    const auto found = m_windows.find(index / kWindow);
    if (found == m_windows.end() || index % kWindow >= int(found->second.size()))
        return nullptr;
    return &found->second[size_t(index % kWindow)];
}

const Row *RowCache::at(RowReader &reader, int index, const Row *current, int currentIndex)
{
    if (index < 0 || (m_count >= 0 && index >= m_count))
        return nullptr;
    if (const Row *row = cached(index))
        return row;

    const int start = index / kWindow * kWindow;
    const auto neighbour = [&](int at) -> const Row * {
        if (current && currentIndex >= 0 && currentIndex == at)
            return current;
        return at >= 0 ? cached(at) : nullptr;
    };
    std::vector<Row> rows;
    if (const Row *prev = neighbour(start - 1)) {
        rows = reader.after(prev, kWindow);
    } else if (const Row *next = neighbour(start + kWindow)) {
        rows = reader.before(next, kWindow);
        std::reverse(rows.begin(), rows.end());
        if (int(rows.size()) != kWindow)
            rows = reader.at(start, kWindow);
    } else {
        rows = reader.at(start, kWindow);
    }
    if (int(rows.size()) < kWindow)
        m_count = start + int(rows.size());
    if (m_rows + int(rows.size()) > kMaxCachedRows) {
        m_windows.clear();
        m_rows = 0;
    }
    std::vector<Row> &window = m_windows[start / kWindow];
    m_rows += int(rows.size()) - int(window.size());
    window = std::move(rows);
    return cached(index);
}

int RowCache::count(RowReader &reader)
{
    if (m_count < 0)
        m_count = reader.count();
    return m_count;
}

#pragma once
// Rows by position, for grids and lookup lists: read a window at a time,
// found by their neighbours' keys where a neighbour is known (by offset
// otherwise), and kept until the rows change. The number of rows is counted
// only when asked, or learnt when a window comes back short.
#include "data/RowReader.h"

#include <QHash>
#include <vector>

class RowCache {
public:
    static constexpr int kWindow = 32;           // rows read at a time: about one screen
    static constexpr int kMaxCachedRows = 4096;  // rows kept

    // Forgets every row and the count.
    void clear();
    // Keeps the first rows, read from the start with `window` asked for.
    void keepFirst(const std::vector<Row> &rows, int window);
    // The row at `index` (0-based), nullptr beyond the end. `current` at
    // `currentIndex` (-1: position unknown) is kept first as a neighbour.
    const Row *at(RowReader &reader, int index, const Row *current, int currentIndex);
    int count(RowReader &reader);
    int knownCount() const { return m_count; }  // -1 while not known

private:
    QHash<int, Row> m_rows;
    int m_count = -1;
};

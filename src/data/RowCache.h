#pragma once
// Rows by position, for grids and lookup lists: read a window at a time,
// found by their neighbours' keys where a neighbour is known (by offset
// otherwise), and kept until the rows change. The number of rows is counted
// only when asked, or learnt when a window comes back short. Each window
// keeps the rows as they were read, without copying them.
#include "data/RowReader.h"

#include <map>
#include <vector>

class RowCache {
public:
    static constexpr int kWindow = 32;           // rows read at a time: about one screen
    static constexpr int kMaxCachedRows = 4096;  // rows kept

    // Forgets every row and the count.
    void clear();
    // Keeps the first rows, read from the start with `window` asked for.
    void keepFirst(std::vector<Row> rows, int window);
    // The row at `index` (0-based), nullptr beyond the end. `current`, at
    // `currentIndex` (-1: position unknown), serves as a neighbour to read from.
    const Row *at(RowReader &reader, int index, const Row *current, int currentIndex);
    int count(RowReader &reader);
    int knownCount() const { return m_count; }  // -1 while not known

private:
    const Row *cached(int index) const;

    std::map<int, std::vector<Row>> m_windows;  // by window number; a short window may be the last
    int m_rows = 0;                             // rows held
    int m_count = -1;
};

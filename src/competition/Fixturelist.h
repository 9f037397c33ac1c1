#pragma once

#include <cstdint>
#include <vector>

namespace kw {

// A league's schedule: per matchday (row), which team position plays at home against which
// (columns of pairings). Positions are 1-based in the league's team list; 0 means not set.
class CDBFixturelist {
public:
    struct SPairing {
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        friend bool operator==(const SPairing&, const SPairing&) = default;
    };

    CDBFixturelist() = default;
    CDBFixturelist(int rows, int columns) { Allocate(rows, columns); }

    // A fresh table of that size, every cell (0, 0); negative sizes count as 0.
    void Allocate(int rows, int columns);
    // Like Allocate, but the cells both sizes share keep their pairings.
    void Resize(int rows, int columns);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }

    // Ignored outside the table.
    void SetPairing(int row, int column, std::uint8_t home, std::uint8_t away);
    // Leaves the outputs untouched outside the table and returns false.
    bool GetPairing(int row, int column, std::uint8_t& home, std::uint8_t& away) const;
    void ClearRow(int row);
    void ClearAll();
    // Reallocates to the other's size and copies every cell.
    void Assign(const CDBFixturelist& other) { *this = other; }
    // No cell has a 0 in home or away; an empty list is complete.
    bool IsComplete() const;

    friend bool operator==(const CDBFixturelist&, const CDBFixturelist&) = default;

private:
    bool Inside(int row, int column) const {
        return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
    }
    std::size_t Cell(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column);
    }

    int m_rows = 0;
    int m_columns = 0;
    std::vector<SPairing> m_cells;
};

}  // namespace kw

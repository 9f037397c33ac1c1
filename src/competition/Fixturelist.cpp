#include "competition/Fixturelist.h"

#include <algorithm>

namespace kw {

void CDBFixturelist::Allocate(int rows, int columns) {
    m_rows = std::max(rows, 0);
    m_columns = std::max(columns, 0);
    m_cells.assign(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns),
                   SPairing{});
}

void CDBFixturelist::Resize(int rows, int columns) {
    CDBFixturelist resized(rows, columns);
    const int keepRows = std::min(m_rows, resized.m_rows);
    const int keepColumns = std::min(m_columns, resized.m_columns);
    for (int row = 0; row < keepRows; ++row) {
        for (int column = 0; column < keepColumns; ++column) {
            resized.m_cells[resized.Cell(row, column)] = m_cells[Cell(row, column)];
        }
    }
    *this = std::move(resized);
}

void CDBFixturelist::SetPairing(int row, int column, std::uint8_t home, std::uint8_t away) {
    if (Inside(row, column)) {
        m_cells[Cell(row, column)] = SPairing{home, away};
    }
}

bool CDBFixturelist::GetPairing(int row, int column, std::uint8_t& home, std::uint8_t& away) const {
    if (!Inside(row, column)) {
        return false;
    }
    const SPairing& cell = m_cells[Cell(row, column)];
    home = cell.home;
    away = cell.away;
    return true;
}

void CDBFixturelist::ClearRow(int row) {
    for (int column = 0; column < m_columns && row >= 0 && row < m_rows; ++column) {
        m_cells[Cell(row, column)] = SPairing{};
    }
}

void CDBFixturelist::ClearAll() {
    std::fill(m_cells.begin(), m_cells.end(), SPairing{});
}

bool CDBFixturelist::IsComplete() const {
    return std::none_of(m_cells.begin(), m_cells.end(),
                        [](const SPairing& cell) { return cell.home == 0 || cell.away == 0; });
}

}  // namespace kw

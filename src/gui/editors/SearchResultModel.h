#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

#include "tools/SearchResultOrder.h"

namespace kw {

// The rows of the search result list in their current order, as a table of seven columns
// ("Vorname", "Nachname", "Künstlername", "Pos", "Geburtstag", "Verein", "Land"). The rows hold
// copies of the names, so the table never reads the database.
class CSearchResultModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CSearchResultModel(QObject* parent = nullptr);

    // Every row anew, sorted by `order`.
    void SetRows(std::vector<SSearchRow> rows, const CSearchOrder& order);
    const std::vector<SSearchRow>& Rows() const { return m_rows; }
    // The row of the person, -1 when not listed.
    int RowOfPerson(std::uint32_t personId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<SSearchRow> m_rows;
};

}  // namespace kw

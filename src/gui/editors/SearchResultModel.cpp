#include "gui/editors/SearchResultModel.h"

#include <array>
#include <utility>

#include "editing/DateFields.h"
#include "editing/SquadRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::array kHeaderIds = {
    ids::kColumnFirstName, ids::kColumnSurname, ids::kColumnStageName, ids::kColumnPosition,
    ids::kColumnBirthday,  ids::kColumnClub,    ids::kColumnCountry};

QString CellText(const SSearchRow& row, int column) {
    switch (column) {
        case searchcolumn::kFirstName:
            return Cp1252ToQString(row.firstName);
        case searchcolumn::kSurname:
            return Cp1252ToQString(row.surname);
        case searchcolumn::kStageName:
            return Cp1252ToQString(row.stageName);
        case searchcolumn::kPosition:
            return Cp1252ToQString(PositionAbbreviation(row.position));
        case searchcolumn::kBirthDate:
            return Cp1252ToQString(DateListText(row.birthDate));
        case searchcolumn::kClub:
            return Cp1252ToQString(row.clubName);
        default:
            return Cp1252ToQString(row.countryName);
    }
}

Qt::Alignment ColumnAlignment(int column) {
    if (column == searchcolumn::kPosition) {
        return Qt::AlignCenter;
    }
    if (column == searchcolumn::kBirthDate) {
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

CSearchResultModel::CSearchResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void CSearchResultModel::SetRows(std::vector<SSearchRow> rows, const CSearchOrder& order) {
    SortSearchRows(rows, order);
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CSearchResultModel::RowOfPerson(std::uint32_t personId) const {
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].hit.personId == personId) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int CSearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CSearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : searchcolumn::kCount;
}

QVariant CSearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(m_rows[static_cast<std::size_t>(index.row())], index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(ColumnAlignment(index.column()));
    }
    return {};
}

QVariant CSearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= searchcolumn::kCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ResourceQString(kHeaderIds[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(ColumnAlignment(section));
    }
    return {};
}

}  // namespace kw

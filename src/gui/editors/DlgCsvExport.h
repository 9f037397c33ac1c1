#pragma once

#include <QDialog>

#include <cstdint>

#include "tools/CsvExchange.h"

class QRadioButton;

namespace kw {

class CWorld;

// "CSV exportieren": which records (players, staff, clubs) of which part of the database (the
// selected club, the selected country, the whole database) go into the file.
class CDlgCsvExport : public QDialog {
    Q_OBJECT

public:
    // `club` 0 (or a national team) leaves only the country and the whole database to choose.
    CDlgCsvExport(const CWorld& world, int country, std::uint32_t club, QWidget* parent = nullptr);

    ECsvKind Kind() const;
    SCsvScope Scope() const;
    // A file name to propose: kind and scope, e.g. "spieler_land_14.csv".
    QString ProposedFileName() const;

private:
    int m_country;
    std::uint32_t m_club;
    QRadioButton* m_players = nullptr;
    QRadioButton* m_staff = nullptr;
    QRadioButton* m_clubs = nullptr;
    QRadioButton* m_selectedClub = nullptr;
    QRadioButton* m_selectedCountry = nullptr;
    QRadioButton* m_everything = nullptr;
};

}  // namespace kw

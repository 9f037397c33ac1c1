#pragma once

#include <cstdint>
#include <optional>

#include "editing/SquadChoices.h"
#include "gui/controls/DialogB.h"

class QListWidget;
class QPushButton;

namespace kw {

class CWorld;

// "Verein auswählen": a country list and the clubs of the chosen country, in which each club's
// second team is an entry of its own (its id carries the second-team bit), named in `language`.
// National teams are not offered. OK (or a double click on a club) returns the chosen club.
class CDlgSelectClub : public CDialogB {
    Q_OBJECT

public:
    CDlgSelectClub(const CWorld& world, int language, int startCountry, QWidget* parent = nullptr);

    // Runs the dialog; the chosen club id, nothing when cancelled.
    static std::optional<std::uint32_t> Choose(const CWorld& world, int language, int startCountry,
                                               QWidget* parent);

    // The club selected in the list, 0 for none.
    std::uint32_t SelectedClub() const;
    QListWidget& Countries() const { return *m_countries; }
    QListWidget& Clubs() const { return *m_clubs; }

private:
    void ShowClubs(int country);

    const CWorld& m_world;
    int m_language;
    QListWidget* m_countries;
    QListWidget* m_clubs;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw

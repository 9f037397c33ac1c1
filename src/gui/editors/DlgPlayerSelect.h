#pragma once

#include <cstdint>
#include <optional>

#include "editing/SquadChoices.h"
#include "gui/controls/DialogB.h"

class QListWidget;
class QPushButton;

namespace kw {

class CMyListBox;
class CWorld;

// What the chooser lists of a club: its players, or its staff ("Person holen" of the manager
// list).
enum class EPersonChoice { kPlayers, kStaff };

// "Bitte den gewünschten Spieler auswählen!": a country list, the clubs of the chosen country and
// the players of the chosen club ("Spieler", "Position", "Nationalität", "Stärke", "Talent") or,
// in the staff mode, its staff ("Person", "Funktion", "Nationalität"), names in `language`. It
// starts at a given country; OK (or a double click on a person) returns the chosen person.
class CDlgPlayerSelect : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerSelect(const CWorld& world, int language, int startCountry, QWidget* parent = nullptr,
                     EPersonChoice mode = EPersonChoice::kPlayers);

    // Runs the dialog; the chosen person id, nothing when cancelled.
    static std::optional<std::uint32_t> Choose(const CWorld& world, int language, int startCountry,
                                               QWidget* parent,
                                               EPersonChoice mode = EPersonChoice::kPlayers);

    EPersonChoice Mode() const { return m_mode; }

    // The player selected in the list, 0 for none.
    std::uint32_t SelectedPlayer() const;
    QListWidget& Countries() const { return *m_countries; }
    QListWidget& Clubs() const { return *m_clubs; }
    CMyListBox& Players() const { return *m_players; }

private:
    void ShowClubs(int country);
    void ShowPlayers(std::uint32_t clubId);

    const CWorld& m_world;
    int m_language;
    EPersonChoice m_mode;
    QListWidget* m_countries;
    QListWidget* m_clubs;
    CMyListBox* m_players;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw

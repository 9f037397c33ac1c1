#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editing/SquadChoices.h"

class QBoxLayout;
class QDialog;
class QGroupBox;
class QListWidget;
class QPushButton;
class QString;
class QWidget;

namespace kw {

class CWorld;

// The lists of the choosers ("Verein auswählen", the player chooser): each row keeps the value of
// its entry.

// A list at least `widthInCharacters` average characters wide.
QListWidget* MakeChoiceList(const QString& objectName, int widthInCharacters, QWidget* parent);

void FillChoices(QListWidget& list, const std::vector<SChoiceEntry>& entries);

// The clubs of the country by their names in `language`, none for a number outside 1..206; with
// `secondTeams` each second team is an entry of its own.
void FillClubChoices(QListWidget& clubs, const CWorld& world, int language, int country,
                     bool secondTeams);

// Makes the row of `value` current, the first row when no row has it; none in an empty list.
void SelectChoice(QListWidget& list, int value);

// The value of the current row when it is selected, else 0.
std::uint32_t SelectedChoice(const QListWidget& list);

// The list in a group box with a title, which is also the list's accessible name.
QGroupBox* ChoiceGroup(const QString& title, QListWidget* list, QWidget* parent);

// OK and "Abbruch" at the end of the chooser's layout; OK is the default button, so that Enter
// in the lists chooses. Returns OK.
QPushButton* AddChooserButtons(QDialog& chooser, QBoxLayout& layout);

// Runs the chooser: the value selected in `list` when it closes with OK, nothing when it is
// cancelled or nothing is selected.
std::optional<std::uint32_t> RunChooser(QDialog& chooser, const QListWidget& list);

}  // namespace kw

#pragma once

#include <array>
#include <vector>

#include "editing/ShirtNumbers.h"
#include "gui/controls/DialogB.h"

class QLabel;

namespace kw {

class CPlayer;
class CShirtNumberList;

// The shirt numbers of a club's players: three lists with the numbers 1-33, 34-66 and 67-99, a
// line per number with the player shown on it, and below them the players for whom no number is
// left ("ohne Nummer", shown only when there are such). Dragging a line onto a number gives the
// player that number; the player shown there gets the dragged player's number.
//
// The dialog edits the persons it is given, whoever owns them (the squad dialog's working copy,
// a live club): the numbers change in the dialog only, and OK writes the numbers that differ from
// what the persons held into their first shirt number; Cancel writes nothing. A player whose
// number is shown only in a free place (0, above 99, taken) keeps his number unless dragged.
class CDlgShirtNo : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgShirtNo(std::vector<CPlayer*> players, QWidget* parent = nullptr);

    // The drop the lists report: the player (index into the given persons) onto a number 1..99.
    void DropPlayer(int player, int number);
    // The numbers as the dialog holds them, one per given person.
    const std::vector<int>& Numbers() const { return m_numbers; }
    // The numbered list holding the number, and the list without numbers.
    CShirtNumberList& ListOf(int number) const;
    CShirtNumberList& UnplacedList() const { return *m_unplaced; }

    void accept() override;

private:
    void Fill();

    std::vector<CPlayer*> m_players;
    std::vector<int> m_numbers;
    std::array<CShirtNumberList*, kShirtNumberLists> m_lists{};
    CShirtNumberList* m_unplaced;
    QLabel* m_unplacedLabel;
};

}  // namespace kw

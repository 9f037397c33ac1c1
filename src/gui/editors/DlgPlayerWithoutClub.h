#pragma once

#include <cstdint>
#include <vector>

#include "editing/WithoutClubCommands.h"
#include "gui/controls/DialogB.h"

class QPushButton;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// "Spieler ohne Verein": the world's players without club in a list with several selectable rows
// ("Name", "Nationalität", "Position", "Stärke"). "&Wechsel zu Verein" asks for a club and moves
// the selected players it has room for there; "&Löschen" deletes the selected players from the
// list and the world. The list's context menu offers both. Each command is one edit of the
// document; afterwards the list is rebuilt and the row at the previous position (moved up by the
// rows removed above it) is selected.
class CDlgPlayerWithoutClub : public CDialogB {
    Q_OBJECT

public:
    // `startCountry` is where the club chooser opens.
    CDlgPlayerWithoutClub(CDatabaseDocument& document, int startCountry, QWidget* parent = nullptr);

    static void Show(CDatabaseDocument& document, int startCountry, QWidget* parent);

    QTreeWidget& List() const { return *m_list; }
    QPushButton& MoveButton() const { return *m_move; }
    QPushButton& DeleteButton() const { return *m_delete; }
    const std::vector<SWithoutClubRow>& Rows() const { return m_rows; }

    // "&Wechsel zu Verein" and "&Löschen" for the selected rows.
    void MoveSelectedToClub();
    void DeleteSelected();

private:
    std::vector<std::uint32_t> SelectedIds() const;
    void Rebuild();
    // Rebuilds the list after a command and selects the row the previous one becomes.
    void RebuildAfterCommand(const std::vector<std::uint32_t>& before, int previousRow);
    void EnableButtons();

    CDatabaseDocument& m_document;
    int m_startCountry;
    std::vector<SWithoutClubRow> m_rows;
    QTreeWidget* m_list;
    QPushButton* m_move;
    QPushButton* m_delete;
};

}  // namespace kw

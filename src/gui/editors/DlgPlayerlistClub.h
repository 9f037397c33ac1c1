#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "gui/editors/LiveEditDialog.h"

class QMenu;
class QTabWidget;

namespace kw {

class CClub;
class CDlgManagerList;
class CDlgPlayerList;
class CInstallationData;
class CMyListBox;
class CPersonPageTabs;
class CRenderManager;

// "Kickwerk 06 - Spielerkader": a club's players by team and its board and trainers (the manager
// list) on the left, the pages of the chosen person on the right, the squad and staff commands in
// the lists' context menus.
// The dialog edits the live club: everything done while it is open (commands, page edits, shirt
// numbers) is one edit that one undo takes back. OK, Escape and the close box store the shown
// page and check the squad; with faults the message list offers "OK" (stay) and "Egal" (close all
// the same).
class CDlgPlayerlistClub : public CLiveEditDialog {
    Q_OBJECT

public:
    CDlgPlayerlistClub(CDatabaseDocument& document, std::uint32_t clubId,
                       const CInstallationData& installation, CRenderManager* renderer,
                       std::filesystem::path installDirectory, QWidget* parent = nullptr);

    std::uint32_t CurrentPerson() const;
    CDlgPlayerList& List(bool secondTeam) const;
    // "Vorstand/Trainer": the manager list and its rows.
    CDlgManagerList& ManagerList() const { return *m_managers; }
    CMyListBox& StaffList() const;
    QTabWidget& Teams() const { return *m_teams; }
    CPersonPageTabs& Pages() const { return *m_pages; }
    // The context menu of a team's list, as the right mouse button opens it.
    std::unique_ptr<QMenu> TeamMenu(bool secondTeam);

    // The commands of the context menus, on the current person.
    void NewPlayer(bool secondTeam);
    void TransferPlayer();
    void FetchPlayer();
    void SwitchTeam();
    void ReleasePerson();
    // "Spieler suchen": the player search with this club as the target club.
    void SearchPlayers();
    // "Rückennr.": the shirt-number dialog on the club's players.
    void EditShirtNumbers();

    void accept() override;

private:
    // The squad check; true when the dialog may close.
    bool CheckBeforeClosing();
    void ChooseTeamTab(int index);
    // After a change of the club: every list anew; the pages follow the shown list's selection.
    void RebuildLists();
    const CClub* Club() const;
    bool ShownListIsSecondTeam() const;

    CDatabaseDocument& m_document;
    std::uint32_t m_clubId;
    QTabWidget* m_teams = nullptr;
    std::vector<CDlgPlayerList*> m_lists;
    CDlgManagerList* m_managers = nullptr;
    CPersonPageTabs* m_pages = nullptr;
};

}  // namespace kw

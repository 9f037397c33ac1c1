#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gui/controls/DialogB.h"
#include "tools/PlayerSearch.h"
#include "tools/SearchResultOrder.h"

class QAction;
class QMenu;
class QTreeView;

namespace kw {

class CDatabaseDocument;
class CSearchResultModel;

// What the result list reports when it closes: whether a command changed the database, and the
// club "Verein anzeigen" chose (0 for none).
struct SSearchOutcome {
    bool changed = false;
    std::uint32_t clubToShow = 0;
};

// The search result list: runs the search on a worker when opened and again after each command,
// lists the players found so far as the worker hands them over (through a queued signal), sorted
// by the column header clicked last. Its context menu "Suchergebnisse / Liste" (also on the
// context menu key) fetches the player into the target club, transfers him to a chosen club,
// deletes him, or closes with his club to show (also a double click). Each needs a selected
// player; "Spieler holen" a target club that can take him (CanMoveSearchedPlayer), "Verein
// anzeigen" the caller's offer and a player in a club. Every command first stops and joins the
// worker, then changes the database, then starts the search again; closing stops and joins it.
class CDlgSearchResult : public CDialogB {
    Q_OBJECT

public:
    CDlgSearchResult(CDatabaseDocument& document, const SSearchCriteria& criteria,
                     std::uint32_t targetClub, bool offerShowClub, QWidget* parent = nullptr);
    ~CDlgSearchResult() override;

    // The search dialog, then the result list, again while the list is confirmed (OK) without a
    // club to show; cancelling either dialog ends the search. The criteria are kept for the run.
    static SSearchOutcome RunSearchLoop(CDatabaseDocument& document, std::uint32_t targetClub,
                                        bool offerShowClub, QWidget* parent);

    SSearchOutcome Outcome() const { return m_outcome; }
    bool IsSearching() const { return m_searching; }
    QTreeView& List() const { return *m_list; }
    QMenu& ContextMenu() const { return *m_menu; }
    const CSearchOrder& Order() const { return m_order; }
    // The hit of the selected row; none (person 0) without a selection.
    SSearchHit SelectedHit() const;
    void SelectPerson(std::uint32_t personId);

    // The context menu's commands.
    void FetchPlayer();
    void TransferPlayer();
    void DeletePlayer();
    void ShowClub();

    void done(int result) override;

signals:
    // From the worker thread; connected queued to this window.
    void HandoffReady(kw::SSearchHandoff handoff);
    // The current run has handed over its last hits.
    void SearchFinished();

private:
    void TakeHandoff(const SSearchHandoff& handoff);
    void ShowRows();
    void SortByColumn(int column);
    // Enables the commands of the menu that would act on the selected player.
    void EnableCommands();
    // Stops the search, runs the command, searches again; records a change.
    void RunCommand(const std::function<bool()>& command);

    CDatabaseDocument& m_document;
    std::uint32_t m_targetClub;
    bool m_offerShowClub;
    CSearchResultModel* m_model;
    QTreeView* m_list;
    QMenu* m_menu;
    QAction* m_fetch;
    QAction* m_transfer;
    QAction* m_delete;
    QAction* m_showClub;
    CSearchOrder m_order;
    std::vector<SSearchRow> m_found;  // in search order
    std::uint32_t m_reselect = 0;
    unsigned m_run = 0;
    bool m_searching = false;
    SSearchOutcome m_outcome;
    CPlayerSearch m_search;
};

}  // namespace kw

Q_DECLARE_METATYPE(kw::SSearchHandoff)

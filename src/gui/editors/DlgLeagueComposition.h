#pragma once

#include <cstdint>
#include <memory>

#include "editing/SeasonMarks.h"
#include "gui/editors/LiveEditDialog.h"

class QCheckBox;
class QMenu;
class QPushButton;

namespace kw {

class CCompositionList;
class CDatabaseDocument;

// "Kickwerk 06 - Ligazusammensetzung": the teams of the league chosen in "Ligen", the country's
// leagues and its teams without league. Teams are dragged between the lists (Delete takes the
// current team out of its league, Insert puts the current team without league into the chosen
// league); the club menu (right button or the context menu key) sets season marks.
// The dialog edits the live country: everything done while it is open is one edit. OK, Escape and
// the close box check the leagues; with faults the message list offers "OK" (stay) and "Egal"
// (close all the same).
class CDlgLeagueComposition : public CLiveEditDialog {
    Q_OBJECT

public:
    CDlgLeagueComposition(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    // Opens the dialog on the country and returns once it is closed.
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent);

    CCompositionList& LeagueTeams() const { return *m_leagueTeams; }
    CCompositionList& Leagues() const { return *m_leagues; }
    CCompositionList& TeamsWithoutLeague() const { return *m_withoutLeague; }
    QCheckBox& HideReserves() const { return *m_hideReserves; }
    std::uint32_t CurrentLeague() const;

    // The club menu of a team, as the right mouse button opens it.
    std::unique_ptr<QMenu> ClubMenu(std::uint32_t team);

    // What a drop on each list does: `row` is the row dropped on, -1 below the last.
    void DropOnLeagueTeams(std::uint32_t team, int row);
    void DropOnLeagues(std::uint32_t team, int row);
    void DropOnTeamsWithoutLeague(std::uint32_t team);

    void accept() override;

private:
    void ClearLeague();
    void ClearAllLeagues();
    void SetMark(std::uint32_t team, ESeasonMark mark);
    void ShowClubMenu(const CCompositionList& list, const QPoint& globalPos);
    // Every list anew from the country, keeping the chosen league and showing `team`.
    void Refill(std::uint32_t team = 0);
    void FillTeams(std::uint32_t team);
    bool CheckBeforeClosing();

    CDatabaseDocument& m_document;
    int m_country;
    CCompositionList* m_leagueTeams = nullptr;
    CCompositionList* m_leagues = nullptr;
    CCompositionList* m_withoutLeague = nullptr;
    QCheckBox* m_hideReserves = nullptr;
    QPushButton* m_clearLeague = nullptr;
    QPushButton* m_clearAll = nullptr;
};

}  // namespace kw

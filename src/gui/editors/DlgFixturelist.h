#pragma once

#include <cstdint>

#include "editing/FixtureListSession.h"
#include "gui/controls/DialogB.h"

class QLabel;
class QPushButton;

namespace kw {

class CDatabaseDocument;
class CDBLeague;
class CMyListBox;
class CValueScrollBar;

// "Kickwerk 06 - Spielplan": the pairings of one matchday of a league of the country. The
// dialog edits copies of the leagues' fixture lists (kept while other leagues are chosen): OK
// stores every changed list as one edit, "Abbruch" and Escape drop the copies. Enter or a
// double-click on a team of "Vereine" puts it into the matchday's first free home place, else
// its first free away place; Delete or a double-click on a row of "Spielpaarungen" frees that
// pairing.
class CDlgFixturelist : public CDialogB {
    Q_OBJECT

public:
    // `league` chosen first when it is a league of the country, else the first league.
    CDlgFixturelist(CDatabaseDocument& document, int country, std::uint32_t league = 0,
                    QWidget* parent = nullptr);

    // Opens the dialog on the country and returns once it is closed.
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent,
                     std::uint32_t league = 0);

    CMyListBox& Leagues() const { return *m_leagues; }
    CValueScrollBar& MatchdayBar() const { return *m_matchdayBar; }
    CMyListBox& Pairings() const { return *m_pairings; }
    CMyListBox& Teams() const { return *m_teams; }
    std::uint32_t CurrentLeague() const;
    // -1 when the league's list has no matchday.
    int CurrentMatchday() const { return m_matchday; }

    void accept() override;

private:
    void ChooseLeague();
    void ShowMatchday(int matchday);
    void PlaceTeam(int row);
    void FreePairing(int row);
    void ClearMatchday();
    void ClearAllMatchdays();
    void Generate();
    void Mirror();
    const CDBLeague* League() const;
    CDBFixturelist* CurrentList();

    CDatabaseDocument& m_document;
    CFixtureListSession m_session;
    int m_matchday = -1;
    CMyListBox* m_leagues = nullptr;
    CValueScrollBar* m_matchdayBar = nullptr;
    QLabel* m_matchdayNumber = nullptr;
    CMyListBox* m_pairings = nullptr;
    CMyListBox* m_teams = nullptr;
    QPushButton* m_clearMatchday = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPushButton* m_generate = nullptr;
    QPushButton* m_mirror = nullptr;
};

}  // namespace kw

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/editors/player/PlayerPage.h"
#include "model/Player.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kw {

class CDateSpinFields;
class CMyListBox;
class CSpinEditCtrl;

// Page "Historie" ("Statistische Daten"): first and last club, the contract's start, the national
// team, and the career list sorted by start date for display, with the selected entry's fields
// below it. The record keeps its career in its own order; an edited entry is written back field by
// field, only what the user changed.
class CDlgPlayerHist : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerHist(SPlayerEditContext& context, QWidget* parent);

    CMyListBox& CareerList() const { return *m_career; }

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    QGroupBox* MakeStatisticsBox();
    QWidget* MakeCareerHeader();
    QGroupBox* MakeEntryBox();
    // Fills the list in display order and selects the row of the entry (or none).
    void FillCareer(std::ptrdiff_t entry);
    void RowChosen(int row);
    void ShowClubs();
    // "Wähle Verein" for the first or the last club.
    void ChooseClub(std::uint32_t& reference);
    void ChooseEntryClub();
    void ShowEntry();
    void EntryEdited();

    QLabel* m_firstClub;
    QLabel* m_lastClub;
    CDateSpinFields* m_contractStart;
    CSpinEditCtrl* m_caps;
    CSpinEditCtrl* m_capGoals;
    QCheckBox* m_inNationalTeam;
    QCheckBox* m_retiredFromNationalTeam;
    CMyListBox* m_career;
    QGroupBox* m_entryBox;
    QLabel* m_entryClub;
    CDateSpinFields* m_entryStart;
    CDateSpinFields* m_entryEnd;
    CSpinEditCtrl* m_entryGames;
    CSpinEditCtrl* m_entryGoals;
    QCheckBox* m_entryLoan;

    std::uint32_t m_loadedFirstClub = 0;
    std::uint32_t m_loadedLastClub = 0;
    // The clubs as chosen.
    std::uint32_t m_firstClubId = 0;
    std::uint32_t m_lastClubId = 0;
    bool m_loadedInNationalTeam = false;
    bool m_loadedRetired = false;
    // The career as loaded and as edited, in the record's order, and the order shown.
    std::vector<SHistoryEntry> m_loadedCareer;
    std::vector<SHistoryEntry> m_editedCareer;
    std::vector<std::size_t> m_order;
    // The entry shown below the list; -1 for none.
    std::ptrdiff_t m_entry = -1;
    // The entry as it was when its fields were filled.
    SHistoryEntry m_entryWhenShown;
    int m_gamesWhenShown = 0;
    int m_goalsWhenShown = 0;
};

}  // namespace kw

#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "editing/PlayerContractRules.h"
#include "gui/editors/player/PlayerPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kw {

class CDateSpinFields;
class CSpinEditCtrl;
class CValueScrollBar;

// Page "Vertrag": the contract's end, salary and options, the state the player starts the season
// in with its period, loan club or ban, and the player's favourites. The periods that ended
// before the season are shown reset; the resets reach the record only with an edit of this page.
class CDlgPlayerContract : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerContract(SPlayerEditContext& context, QWidget* parent);

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    enum EPeriod { kInjuryPeriod = 0, kOtherPeriod = 1 };

    QGroupBox* MakeContractBox();
    QGroupBox* MakeSeasonStartBox();
    QGroupBox* MakeFavouritesBox();
    QLineEdit* MakeAmount(const QString& name);
    ESeasonStart ChosenState() const;
    EPeriod PeriodOf(ESeasonStart state) const;
    void StateChosen();
    void ShowPeriod(EPeriod period);
    void PeriodEdited();
    void UpdateYearText();
    void UpdateEnabling();
    void ShowClubs();
    // "Wähle Verein" for the loan or the favourite club.
    void ChooseClub(std::uint32_t& reference);
    bool IsEdited() const;

    CValueScrollBar* m_contractEnd;
    QLabel* m_contractEndText;
    QLineEdit* m_salary;
    QLineEdit* m_transferFee;
    QLineEdit* m_marketValue;
    QCheckBox* m_clubOption;
    QCheckBox* m_playerOption;
    QComboBox* m_state;
    CDateSpinFields* m_start;
    CDateSpinFields* m_end;
    QLabel* m_loanClub;
    QPushButton* m_chooseLoanClub;
    CSpinEditCtrl* m_matches;
    QLabel* m_favouriteClub;
    QPushButton* m_chooseFavouriteClub;
    QLabel* m_neverJoins;
    QPushButton* m_chooseNeverJoins;
    QComboBox* m_favouriteCountry;

    // What the controls showed after loading.
    int m_loadedYear = 0;
    QString m_loadedSalary;
    bool m_loadedClubOption = false;
    bool m_loadedPlayerOption = false;
    int m_loadedState = 0;
    int m_loadedMatches = 0;
    std::uint32_t m_loadedLoanClub = 0;
    std::uint32_t m_loadedFavouriteClub = 0;
    // The clubs as chosen.
    std::uint32_t m_loanClubId = 0;
    std::uint32_t m_favouriteClubId = 0;
    // Both periods as shown (resets applied) and as edited; the date fields show the one of the
    // chosen state.
    std::array<SContractPeriod, 2> m_loadedPeriods{};
    std::array<SContractPeriod, 2> m_periods{};
    EPeriod m_shownPeriod = kOtherPeriod;
    SContractPeriod m_periodWhenShown;
};

}  // namespace kw

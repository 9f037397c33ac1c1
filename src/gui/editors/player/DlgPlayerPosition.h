#pragma once

#include <array>

#include "editing/PlayerPositionRules.h"
#include "gui/editors/player/PlayerPage.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace kw {

class CSpinEditCtrl;
class CValueScrollBar;

// Page "Position": the main position and five further ones, the preferred foot, for players the
// national and international experience and the tactical training, and three languages.
class CDlgPlayerPosition : public CPlayerPage {
    Q_OBJECT

public:
    static constexpr int kLanguageCombos = 3;

    CDlgPlayerPosition(SPlayerEditContext& context, QWidget* parent);

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    // A bar with its value's text beside it.
    struct SValueBar {
        CValueScrollBar* bar = nullptr;
        QLabel* text = nullptr;
        std::string_view (*describe)(int) = nullptr;
        int loaded = -1;
    };

    QGroupBox* CreatePositionGroup();
    QGroupBox* CreateExperienceGroup();
    QGroupBox* CreateLanguageGroup();
    SValueBar MakeBar(const char* name, int maximum, std::string_view (*text)(int),
                      QWidget* parent);
    void LoadBar(SValueBar& bar, int value, bool enabled);

    std::array<QComboBox*, kPositionSlots> m_positions{};  // main, then the five further ones
    std::array<int, kPositionSlots> m_loadedPositions{};
    SValueBar m_foot;
    QGroupBox* m_experienceGroup = nullptr;
    SValueBar m_national;
    SValueBar m_international;
    CSpinEditCtrl* m_tactics = nullptr;
    int m_loadedTactics = -1;
    std::array<QComboBox*, kLanguageCombos> m_languages{};
    std::array<int, kLanguageCombos> m_loadedLanguages{};
};

}  // namespace kw

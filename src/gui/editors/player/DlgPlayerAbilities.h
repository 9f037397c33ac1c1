#pragma once

#include <array>
#include <functional>

#include "gui/editors/player/PlayerPage.h"
#include "model/Player.h"

class QLabel;
class QPushButton;

namespace kw {

class CSpinEditCtrl;

// Page "Fähigkeiten": the 43 abilities as fields 0..99 in groups, each change stored at once;
// "-10%", "+10%" and "Zufällige Berechnung" change all of them; the strength at the main position
// is shown beside.
class CDlgPlayerAbilities : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerAbilities(SPlayerEditContext& context, QWidget* parent);

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    using AbilityValues = std::array<std::uint8_t, kAbilityCount>;

    // The values the fields show, typed numbers included, held to 0..99.
    AbilityValues ShownValues() const;
    // Shows new values and stores them.
    void ApplyValues(const AbilityValues& values);
    void ChangeEach(const std::function<std::uint8_t(std::uint8_t)>& change);
    void RandomCalculation();
    void ShowStrength();
    void StoreAtOnce();

    std::array<CSpinEditCtrl*, kAbilityCount> m_fields{};
    AbilityValues m_loaded{};
    QPushButton* m_less;
    QPushButton* m_more;
    QPushButton* m_random;
    QLabel* m_strength;
};

}  // namespace kw

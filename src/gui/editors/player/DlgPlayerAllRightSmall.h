#pragma once

#include <array>

#include "gui/controls/DialogB.h"
#include "model/Date.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kw {

class CPlayer;
class CSpinEditCtrl;

// The player panel of the personal-data page: talent, potential, the effect on the team-mates,
// and read-only values of the other pages (shirt number, positions with their strengths, note).
// The record keeps the talent only; potential and team-mate effect have no field, so their
// controls are shown empty and disabled ("Berechne Potenzial" still shows the computed value).
class CDlgPlayerAllRightSmall : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgPlayerAllRightSmall(QWidget* parent = nullptr);

    // Shows the player (null empties the panel); `today` is the day ages are measured on.
    void Load(const CPlayer* player, CDate today);
    // Writes what the user changed since the load.
    void StoreInto(CPlayer& copy) const;

signals:
    // The user chose a value that is stored at once.
    void StoreNow();

private:
    void CalculatePotentialFromPlayer();

    const CPlayer* m_player = nullptr;
    CDate m_today;
    QComboBox* m_talent;
    int m_loadedTalent = -1;
    CSpinEditCtrl* m_potential;
    QPushButton* m_calculate;
    QComboBox* m_teammates;
    QLabel* m_shirtNumber;
    std::array<std::array<QLabel*, 2>, 3> m_positions{};
    QPlainTextEdit* m_note;
};

}  // namespace kw

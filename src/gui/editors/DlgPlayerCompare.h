#pragma once

#include "gui/controls/DialogB.h"

namespace kw {

class CPlayerCompareSide;
class CWorld;

// "Spielervergleich": two players side by side, "Linker Spieler" and "Rechter Spieler", each
// chosen by country, club and player, with their sixteen summary values. Both halves start on
// the given country. Only reads the world, naming countries and clubs in `language`; OK closes it.
class CDlgPlayerCompare : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerCompare(const CWorld& world, int language, int country, QWidget* parent = nullptr);

    static void Show(const CWorld& world, int language, int country, QWidget* parent);

    CPlayerCompareSide& Left() const { return *m_left; }
    CPlayerCompareSide& Right() const { return *m_right; }

private:
    CPlayerCompareSide* m_left;
    CPlayerCompareSide* m_right;
};

}  // namespace kw

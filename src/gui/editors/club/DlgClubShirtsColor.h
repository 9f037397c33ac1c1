#pragma once

#include "editing/KitColours.h"
#include "gui/controls/DialogB.h"

class QFrame;
class QSpinBox;

namespace kw {

class CTeamColourTextFile;

// "Trikot Farbauswahl": a kit colour picked from the team colours' grid or set by its red, green
// and blue parts; the field beside shows the colour chosen.
class CDlgClubShirtsColor : public CDialogB {
    Q_OBJECT

public:
    CDlgClubShirtsColor(const CTeamColourTextFile& teamColours, SKitRgb current,
                        QWidget* parent = nullptr);

    SKitRgb Chosen() const;

private:
    void SetColour(SKitRgb colour);
    void ShowChosen();

    QSpinBox* m_red;
    QSpinBox* m_green;
    QSpinBox* m_blue;
    QFrame* m_shown;
};

}  // namespace kw

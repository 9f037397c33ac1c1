#pragma once

#include "gui/controls/DialogB.h"

class QLabel;

namespace kw {

class CPlayer;
class CValueScrollBar;

// The board-stability panel of a club president: group "Vorstand" with the bar 0..4 and the
// value's text. Embedded in the staff editor's personal page; every move of the bar is stored
// into the person at once.
class CDlgChairman : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgChairman(QWidget* parent = nullptr);

    // The president whose value the panel shows and edits; null shows the middle value and
    // disables the bar. The person must outlive the panel or be replaced first.
    void SetPerson(CPlayer* president);

private:
    void Store(int value);
    void ShowValue(int value);

    CPlayer* m_president = nullptr;
    CValueScrollBar* m_bar;
    QLabel* m_valueText;
};

}  // namespace kw

#pragma once

#include "gui/controls/DlgMessageList.h"

class QPushButton;

namespace kw {

// "KW 06 Editor Hinweis": OK and "Abbruch"; exec returns Accepted or Rejected.
class CDlgErrorMessage : public CDlgMessageList {
    Q_OBJECT

public:
    explicit CDlgErrorMessage(QWidget* parent = nullptr);

    // Relabels OK and Cancel with the resource strings; 0 keeps a button's text.
    void SetButtonTexts(int okStringId, int cancelStringId);

    QPushButton* CancelButton() const { return m_cancel; }

private:
    QPushButton* m_cancel;
};

}  // namespace kw

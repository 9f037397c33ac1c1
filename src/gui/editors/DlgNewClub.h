#pragma once

#include "gui/controls/DlgInputBox.h"

namespace kw {

// "Neuer Verein": the name of a club the selected country is to get, at most 30 characters.
class CDlgNewClub : public CDlgInputBox {
    Q_OBJECT

public:
    static constexpr int kMaxNameLength = 30;

    explicit CDlgNewClub(QWidget* parent = nullptr);
};

}  // namespace kw

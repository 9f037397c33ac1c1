#pragma once

#include "gui/controls/DlgMessageList.h"

namespace kw {

// "Kickwerk 06 - Achtung!": OK only.
class CDlgErrorSingle : public CDlgMessageList {
    Q_OBJECT

public:
    explicit CDlgErrorSingle(QWidget* parent = nullptr);
};

}  // namespace kw

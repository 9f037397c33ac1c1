#pragma once

#include <cstdint>

#include "gui/mainwindow/CopyGroupsDialog.h"

namespace kw {

// "Verein kopieren": which groups of a club the copy takes (clubcopy::...).
class CDlgClubCopy : public CCopyGroupsDialog {
    Q_OBJECT

public:
    CDlgClubCopy(std::uint32_t mask, QWidget* parent = nullptr);
};

}  // namespace kw

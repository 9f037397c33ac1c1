#pragma once

#include <cstdint>

#include "gui/mainwindow/CopyGroupsDialog.h"

namespace kw {

// "Länderdaten kopieren": which groups of a country the copy takes.
class CDlgCountryCopy : public CCopyGroupsDialog {
    Q_OBJECT

public:
    CDlgCountryCopy(std::uint32_t mask, QWidget* parent = nullptr);
};

}  // namespace kw

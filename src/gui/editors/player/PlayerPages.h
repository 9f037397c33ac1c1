#pragma once

#include <vector>

#include "gui/editors/player/PlayerEditContext.h"

class QWidget;

namespace kw {

class CPlayerPage;

// One tab of the person pages: the page and its title.
struct SPlayerPageTab {
    CPlayerPage* page = nullptr;
    const char* title = "";  // UTF-8, German: CPersonPageTabs translates it
};

// The person pages in tab order, children of `parent`.
std::vector<SPlayerPageTab> MakePlayerPages(SPlayerEditContext& context, QWidget* parent);

}  // namespace kw

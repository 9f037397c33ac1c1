#include "editors/player/PlayerPages.h"

#include "editors/player/PlayerPage.h"

namespace kw {

std::vector<SPlayerPageTab> MakePlayerPages(SPlayerEditContext& context, QWidget* parent) {
    std::vector<SPlayerPageTab> tabs;
    // One line per page, in tab order.
    static_cast<void>(context);
    static_cast<void>(parent);
    return tabs;
}

}  // namespace kw

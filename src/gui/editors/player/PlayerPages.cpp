#include "gui/editors/player/PlayerPages.h"

#include "gui/editors/player/DlgPlayerAbilities.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "gui/editors/player/DlgPlayerCharacter.h"
#include "gui/editors/player/DlgPlayerContract.h"
#include "gui/editors/player/DlgPlayerHist.h"
#include "gui/editors/player/DlgPlayerLook.h"
#include "gui/editors/player/DlgPlayerPosition.h"
#include "gui/editors/player/PlayerPage.h"

namespace kw {

std::vector<SPlayerPageTab> MakePlayerPages(SPlayerEditContext& context, QWidget* parent) {
    std::vector<SPlayerPageTab> tabs;
    // One line per page, in tab order.
    tabs.push_back({new CDlgPlayerAllRight(context, parent), "Persönliche Daten"});
    tabs.push_back({new CDlgPlayerAbilities(context, parent), "Fähigkeiten"});
    tabs.push_back({new CDlgPlayerCharacter(context, parent), "Charakter"});
    tabs.push_back({new CDlgPlayerPosition(context, parent), "Position"});
    tabs.push_back({new CDlgPlayerContract(context, parent), "Vertrag"});
    tabs.push_back({new CDlgPlayerHist(context, parent), "Historie"});
    tabs.push_back({new CDlgPlayerLook(context, parent), "Aussehen"});
    return tabs;
}

}  // namespace kw

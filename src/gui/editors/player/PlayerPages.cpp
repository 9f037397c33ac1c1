#include "gui/editors/player/PlayerPages.h"

#include <QtGlobal>

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
    // One entry per page, in tab order; the tabs translate the titles.
    tabs.push_back({new CDlgPlayerAllRight(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Persönliche Daten")});
    tabs.push_back({new CDlgPlayerAbilities(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Fähigkeiten")});
    tabs.push_back({new CDlgPlayerCharacter(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Charakter")});
    tabs.push_back({new CDlgPlayerPosition(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Position")});
    tabs.push_back({new CDlgPlayerContract(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Vertrag")});
    tabs.push_back({new CDlgPlayerHist(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Historie")});
    tabs.push_back({new CDlgPlayerLook(context, parent),
                    QT_TRANSLATE_NOOP("kw::CPersonPageTabs", "Aussehen")});
    return tabs;
}

}  // namespace kw

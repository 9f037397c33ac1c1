#include "SceneList.h"

#include "gui/controls/ControlText.h"
#include "gui/editors/DlgLevelName.h"
#include "gui/editors/DlgRegelaenderung.h"
#include "gui/mainwindow/DlgInterfaceLanguage.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;

}  // namespace

std::unique_ptr<CShownScene> ShowDlgRegelaenderung(CSceneContext& context) {
    return Shown(std::make_unique<CDlgRegelaenderung>(context.World().Rules()));
}

std::unique_ptr<CShownScene> ShowDlgLevelName(CSceneContext& context) {
    const CWorld& world = context.World();
    const auto& names = world.Country(kSceneCountry).LevelNames(0);
    return Shown(std::make_unique<CDlgLevelName>(
        Cp1252ToQString(names[static_cast<std::size_t>(kDefaultLanguage)].View())));
}

std::unique_ptr<CShownScene> ShowDlgInterfaceLanguage(CSceneContext&) {
    return Shown(std::make_unique<CDlgInterfaceLanguage>(EInterfaceLanguage::kEnglish));
}

}  // namespace kw::screens

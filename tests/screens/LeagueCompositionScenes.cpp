#include "SceneList.h"

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "storage/Identifiers.h"

namespace kw::screens {

// The dialog edits the live country: a document of its own.
std::unique_ptr<CShownScene> LeagueCompositionScene(EDemo demo, CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(demo));
    auto dialog = std::make_unique<CDlgLeagueComposition>(scene->Document(), kDefaultCountry);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 460)));
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens

#include "SceneList.h"

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The dialog edits the live country: a document of its own on the demo database of `app`.
std::unique_ptr<CShownScene> CompositionScene(CSceneContext& context, SAppContext& app) {
    auto scene = std::make_unique<CDatabaseScene>(context, app);
    auto dialog = std::make_unique<CDlgLeagueComposition>(scene->Document(), kDefaultCountry);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 460)));
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgLeagueComposition(CSceneContext& context) {
    return CompositionScene(context, context.NewAppContext());
}

std::unique_ptr<CShownScene> ShowDlgLeagueCompositionFull(CSceneContext& context) {
    return CompositionScene(context, context.NewFullAppContext());
}

}  // namespace kw::screens

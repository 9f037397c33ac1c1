#include "SceneList.h"

#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "storage/Identifiers.h"

namespace kw::screens {

// The dialog works on a document: one of its own on the full demo database.
std::unique_ptr<CShownScene> ShowDlgFixturelist(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    auto dialog = std::make_unique<CDlgFixturelist>(scene->Document(), kDefaultCountry);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 420)));
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgStadiumSelect(CSceneContext& context) {
    auto dialog =
        std::make_unique<CDlgStadiumSelect>(context.World(), kDefaultLanguage, kDefaultCountry, 2);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 360)));
    return Shown(std::move(dialog));
}

}  // namespace kw::screens

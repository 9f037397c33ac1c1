#include "SceneList.h"

#include <QLineEdit>

#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgSearchResult.h"

namespace kw::screens {

std::unique_ptr<CShownScene> ShowDlgPlayerSearch(CSceneContext&) {
    auto dialog = std::make_unique<CDlgPlayerSearch>();
    auto* surname = dialog->findChild<QLineEdit*>(QStringLiteral("surname"));
    if (surname == nullptr) {
        throw std::runtime_error("no surname field");
    }
    surname->setText(QStringLiteral("M*"));
    return Shown(std::move(dialog));
}

// The result list searching the full demo.
std::unique_ptr<CShownScene> ShowDlgSearchResult(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    auto dialog = std::make_unique<CDlgSearchResult>(scene->Document(),
                                                     SSearchCriteria{{}, "M*", {}}, 0, true);
    dialog->resize(1000, 560);
    const CDlgSearchResult& shown = *dialog;
    scene->Show(std::move(dialog), [&shown] { return !shown.IsSearching(); });
    return scene;
}

}  // namespace kw::screens

#include "SceneList.h"

#include <cstdint>

#include "document/DatabaseDocument.h"
#include "gui/editors/club/DlgClubParent.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::screens {

// The editor on the scene context's demo club.
std::unique_ptr<CShownScene> ShowDlgClubParent(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    CDatabaseDocument& document = scene->Document();
    const std::uint32_t club = context.DemoClub().Id();
    auto dialog = std::make_unique<CDlgClubParent>(
        document, *document.World().Country(ClubCountry(club)).Club(club), scene->Installation(),
        &context.Renderer(), scene->App().cityDirectory, SClubEditorOptions{true});
    // Whole, as on a laptop's screen; the scenes' screen is smaller.
    dialog->resize(dialog->sizeHint());
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens

#include "SceneList.h"

#include <stdexcept>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/LeagueDataEdit.h"
#include "gui/editors/DlgLeagueData.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "storage/Identifiers.h"
#include "storage/TextTable.h"

namespace kw::screens {

// The dialogs edit the live country, with the text tables of its installation.
std::unique_ptr<CShownScene> LeagueSystemScene(EDemo demo, bool leagueData,
                                               CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(demo));
    CDatabaseDocument& document = scene->Document();
    const std::uint32_t top = MakeCompetitionId(kDefaultCountry, kLeagueType, 0);
    const std::optional<SLeagueData> data = ReadLeagueData(document.World(), top, kDefaultLanguage);
    std::unique_ptr<QDialog> dialog;
    if (leagueData && data) {
        dialog = std::make_unique<CDlgLeagueData>(document.World(), top, *data);
    } else {
        dialog = std::make_unique<CDlgLeagueSystem>(
            document, scene->Installation().TextTables().LeagueSystems(), kDefaultCountry);
    }
    dialog->resize(dialog->sizeHint());
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens

#include "LeagueSystemScenes.h"

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/LeagueDataEdit.h"
#include "gui/editors/DlgLeagueData.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"
#include "storage/TextTable.h"

namespace kw::screens {

namespace {

SAppContext& WithDirectories(SAppContext& app) {
    SetUpDirectories(app, app.workingDirectory);
    return app;
}

// The dialogs edit the live country: the demo database in a document of its own, with the text
// tables of its installation.
class CLeagueSystemScene : public CShownScene {
public:
    CLeagueSystemScene(CSceneContext& context, SAppContext& app, bool leagueData)
        : m_slots(app.installDirectory) {
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        const std::uint32_t top = MakeCompetitionId(kDefaultCountry, kLeagueType, 0);
        const std::optional<SLeagueData> data =
            ReadLeagueData(document->World(), top, kDefaultLanguage);
        if (leagueData && data) {
            m_dialog = std::make_unique<CDlgLeagueData>(document->World(), top, *data);
        } else {
            m_dialog = std::make_unique<CDlgLeagueSystem>(
                *document, m_installation.TextTables().LeagueSystems(), kDefaultCountry);
        }
        m_dialog->resize(m_dialog->sizeHint());
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<QDialog> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgLeagueSystem(CSceneContext& context) {
    return std::make_unique<CLeagueSystemScene>(
        context, WithDirectories(context.NewFullAppContext()), false);
}

std::unique_ptr<CShownScene> ShowDlgLeagueData(CSceneContext& context) {
    return std::make_unique<CLeagueSystemScene>(context,
                                                WithDirectories(context.NewFullAppContext()), true);
}

std::unique_ptr<CShownScene> ShowDlgLeagueSystemSmall(CSceneContext& context) {
    return std::make_unique<CLeagueSystemScene>(context, WithDirectories(context.NewAppContext()),
                                                false);
}

std::unique_ptr<CShownScene> ShowDlgLeagueDataSmall(CSceneContext& context) {
    return std::make_unique<CLeagueSystemScene>(context, WithDirectories(context.NewAppContext()),
                                                true);
}

}  // namespace kw::screens

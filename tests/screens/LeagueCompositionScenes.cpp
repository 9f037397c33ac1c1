#include "LeagueCompositionScenes.h"

#include <filesystem>
#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The dialog edits the live country: a document of its own on the demo database.
class CCompositionScene : public CShownScene {
public:
    explicit CCompositionScene(const std::filesystem::path& installation) {
        auto world = std::make_unique<CWorld>(installation);
        CSilentProgress progress;
        if (!world->InitialiseCountries() || !world->Load(installation / "database", progress)) {
            throw std::runtime_error("demo database not loaded");
        }
        m_document = std::make_unique<CDatabaseDocument>(std::move(world));
        m_dialog = std::make_unique<CDlgLeagueComposition>(*m_document, kDefaultCountry);
        m_dialog->resize(m_dialog->sizeHint().expandedTo(QSize(0, 460)));
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    std::unique_ptr<CDatabaseDocument> m_document;
    std::unique_ptr<CDlgLeagueComposition> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgLeagueComposition(CSceneContext& context) {
    return std::make_unique<CCompositionScene>(context.Installation());
}

std::unique_ptr<CShownScene> ShowDlgLeagueCompositionFull(CSceneContext& context) {
    return std::make_unique<CCompositionScene>(context.NewFullAppContext().workingDirectory);
}

}  // namespace kw::screens

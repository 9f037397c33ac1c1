#include "FixtureScenes.h"

#include <stdexcept>

#include "app/AppContext.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The dialog works on a document: one of its own on the full demo database.
class CFixtureScene : public CShownScene {
public:
    explicit CFixtureScene(SAppContext& app) {
        SetUpDirectories(app, app.workingDirectory);
        auto world = std::make_unique<CWorld>(app.installDirectory);
        CSilentProgress progress;
        if (!world->InitialiseCountries() ||
            !world->Load(app.installDirectory / "database", progress)) {
            throw std::runtime_error("full demo database not loaded");
        }
        m_document = std::make_unique<CDatabaseDocument>(std::move(world));
        m_dialog = std::make_unique<CDlgFixturelist>(*m_document, kDefaultCountry);
        m_dialog->resize(m_dialog->sizeHint().expandedTo(QSize(0, 420)));
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    std::unique_ptr<CDatabaseDocument> m_document;
    std::unique_ptr<CDlgFixturelist> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgFixturelist(CSceneContext& context) {
    return std::make_unique<CFixtureScene>(context.NewFullAppContext());
}

std::unique_ptr<CShownScene> ShowDlgStadiumSelect(CSceneContext& context) {
    auto dialog =
        std::make_unique<CDlgStadiumSelect>(context.World(), kDefaultLanguage, kDefaultCountry, 2);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 360)));
    return Shown(std::move(dialog));
}

}  // namespace kw::screens

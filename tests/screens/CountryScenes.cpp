#include "CountryScenes.h"

#include <QTabWidget>

#include <stdexcept>

#include "app/AppContext.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

SAppContext& WithDirectories(SAppContext& app) {
    SetUpDirectories(app, app.workingDirectory);
    return app;
}

}  // namespace

CCountryWindowScene::CCountryWindowScene(CSceneContext& context, SAppContext& app, int tab)
    : m_slots(WithDirectories(app).installDirectory) {
    m_installation.Load(app);
    CSilentProgress progress;
    CDatabaseDocument* document = m_slots.AddSlot();
    if (document == nullptr ||
        !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
        throw std::runtime_error("demo database not opened");
    }
    m_dialog = std::make_unique<CDlgCountry>(*document, kDefaultCountry);
    m_dialog->AddInstallationPages({m_installation, &context.Renderer(), app.installDirectory});
    m_dialog->Tabs().setCurrentIndex(tab);
    m_dialog->resize(980, 640);
    m_dialog->show();
}

CCountryWindowScene::~CCountryWindowScene() {
    // The window's edit group ends before the document goes.
    m_dialog.reset();
}

std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context) {
    return std::make_unique<CCountryWindowScene>(context, context.NewAppContext(),
                                                 CDlgCountry::kGeneral);
}

std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context) {
    return std::make_unique<CCountryWindowScene>(context, context.NewAppContext(),
                                                 CDlgCountry::kLook);
}

std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context) {
    return std::make_unique<CCountryWindowScene>(context, context.NewFullAppContext(),
                                                 CDlgCountry::kGeneral);
}

}  // namespace kw::screens

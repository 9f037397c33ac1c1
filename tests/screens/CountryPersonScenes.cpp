#include "CountryPersonScenes.h"

#include <QTabWidget>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "editors/country/CountryManagersPage.h"
#include "editors/country/CountryWindowContext.h"
#include "editors/country/CountryYouthPage.h"
#include "editors/country/DlgCountry.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

SAppContext& WithDirectories(SAppContext& app) {
    SetUpDirectories(app, app.workingDirectory);
    return app;
}

// The full demo's database in a document of its own and the country window on country 14 with
// both person pages, showing one of them with its first row selected.
class CCountryPersonScene : public CShownScene {
public:
    CCountryPersonScene(CSceneContext& context, SAppContext& app, int tab)
        : m_slots(WithDirectories(app).installDirectory) {
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        const SCountryWindowContext window{m_installation, &context.Renderer(),
                                           app.installDirectory};
        m_dialog = std::make_unique<CDlgCountry>(*document, kDefaultCountry);
        auto* youth = new CCountryYouthPage(*document, kDefaultCountry, window);
        auto* managers = new CCountryManagersPage(*document, kDefaultCountry, window);
        m_dialog->SetPage(CDlgCountry::kYouth, youth);
        m_dialog->SetPage(CDlgCountry::kManagers, managers);
        m_dialog->Tabs().setCurrentIndex(tab);
        (tab == CDlgCountry::kYouth ? youth->List() : managers->List()).setCurrentRow(0);
        m_dialog->resize(980, 640);
        m_dialog->show();
    }
    ~CCountryPersonScene() override {
        // The window's edit group ends before the document goes.
        m_dialog.reset();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<CDlgCountry> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCountryYouth(CSceneContext& context) {
    return std::make_unique<CCountryPersonScene>(context, context.NewFullAppContext(),
                                                 CDlgCountry::kYouth);
}

std::unique_ptr<CShownScene> ShowDlgCountryManagers(CSceneContext& context) {
    return std::make_unique<CCountryPersonScene>(context, context.NewFullAppContext(),
                                                 CDlgCountry::kManagers);
}

}  // namespace kw::screens

#include "CountryRefereesCoachScenes.h"

#include <QTabWidget>

#include <filesystem>
#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/country/CountryCoachPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The full demo's database in a document of its own.
class CFullDemoDocument {
public:
    CFullDemoDocument(CSceneContext& context, const std::filesystem::path& installation)
        : m_slots(installation) {
        CSilentProgress progress;
        m_document = m_slots.AddSlot();
        if (m_document == nullptr ||
            !OpenDatabase(*m_document, installation / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
    }

    CDatabaseDocument& Document() { return *m_document; }

private:
    CDatabaseSlots m_slots;
    CDatabaseDocument* m_document = nullptr;
};

// The country window on its referee tab.
class CRefereesScene : public CShownScene {
public:
    explicit CRefereesScene(CSceneContext& context)
        : m_demo(context, context.NewFullAppContext().workingDirectory) {
        m_dialog = std::make_unique<CDlgCountry>(m_demo.Document(), kDefaultCountry);
        m_dialog->SetPage(CDlgCountry::kReferees,
                          new CCountryRefereesPage(m_demo.Document(), kDefaultCountry));
        m_dialog->Tabs().setCurrentIndex(CDlgCountry::kReferees);
        m_dialog->resize(980, 640);
        m_dialog->show();
    }
    ~CRefereesScene() override {
        // The window's edit group ends before the document goes.
        m_dialog.reset();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CFullDemoDocument m_demo;
    std::unique_ptr<CDlgCountry> m_dialog;
};

// A page in the small window opened from the country window's buttons.
class CSubPageScene : public CShownScene {
public:
    CSubPageScene(CSceneContext& context, bool coach)
        : m_demo(context, context.NewFullAppContext().workingDirectory) {
        CDatabaseDocument& document = m_demo.Document();
        CCountryPage* page = nullptr;
        if (coach) {
            page = new CCountryCoachPage(document, kDefaultCountry);
        } else {
            page = new CCountryStadiumsPage(document, kDefaultCountry);
        }
        m_dialog = std::make_unique<CDlgCountrySubPage>(document, kDefaultCountry, page);
        m_dialog->show();
    }
    ~CSubPageScene() override { m_dialog.reset(); }

    QWidget& Widget() override { return *m_dialog; }

private:
    CFullDemoDocument m_demo;
    std::unique_ptr<CDlgCountrySubPage> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCountryReferees(CSceneContext& context) {
    return std::make_unique<CRefereesScene>(context);
}

std::unique_ptr<CShownScene> ShowDlgCountryCoach(CSceneContext& context) {
    return std::make_unique<CSubPageScene>(context, true);
}

std::unique_ptr<CShownScene> ShowDlgCountryStadiums(CSceneContext& context) {
    return std::make_unique<CSubPageScene>(context, false);
}

}  // namespace kw::screens

#include "CupsScenes.h"

#include <QTabWidget>

#include <filesystem>
#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The installation's database in a document of its own and a dialog on it.
class CDocumentScene : public CShownScene {
public:
    CDocumentScene(CSceneContext& context, const std::filesystem::path& installation)
        : m_slots(installation) {
        CSilentProgress progress;
        m_document = m_slots.AddSlot();
        if (m_document == nullptr ||
            !OpenDatabase(*m_document, installation / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
    }
    ~CDocumentScene() override {
        // The dialog (and a country window's edit group) ends before the document goes.
        m_dialog.reset();
    }

    QWidget& Widget() override { return *m_dialog; }

protected:
    CDatabaseSlots m_slots;
    CDatabaseDocument* m_document = nullptr;
    std::unique_ptr<QWidget> m_dialog;
};

class CCountryCupsScene : public CDocumentScene {
public:
    CCountryCupsScene(CSceneContext& context, const std::filesystem::path& installation)
        : CDocumentScene(context, installation) {
        auto dialog = std::make_unique<CDlgCountry>(*m_document, kDefaultCountry);
        dialog->SetPage(CDlgCountry::kCups, new CCountryCupsPage(*m_document, kDefaultCountry));
        dialog->Tabs().setCurrentIndex(CDlgCountry::kCups);
        dialog->resize(1100, 720);
        dialog->show();
        m_dialog = std::move(dialog);
    }
};

class CInternationalCompetitionScene : public CDocumentScene {
public:
    CInternationalCompetitionScene(CSceneContext& context,
                                   const std::filesystem::path& installation)
        : CDocumentScene(context, installation) {
        m_dialog = std::make_unique<CDlgInternationalCompetition>(*m_document);
        m_dialog->show();
    }
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCountryCups(CSceneContext& context) {
    return std::make_unique<CCountryCupsScene>(context,
                                               context.NewFullAppContext().workingDirectory);
}

std::unique_ptr<CShownScene> ShowDlgInternationalCompetition(CSceneContext& context) {
    return std::make_unique<CInternationalCompetitionScene>(context, context.Installation());
}

}  // namespace kw::screens

#include "CountryScenes.h"

#include <QTabWidget>

#include <filesystem>
#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "editors/country/DlgCountry.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The installation's database in a document of its own and the country window on country 14,
// showing one tab.
class CCountryScene : public CShownScene {
public:
    CCountryScene(CSceneContext& context, const std::filesystem::path& installation, int tab)
        : m_slots(installation) {
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, installation / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_dialog = std::make_unique<CDlgCountry>(*document, kDefaultCountry);
        m_dialog->Tabs().setCurrentIndex(tab);
        m_dialog->resize(980, 640);
        m_dialog->show();
    }
    ~CCountryScene() override {
        // The window's edit group ends before the document goes.
        m_dialog.reset();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<CDlgCountry> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context) {
    return std::make_unique<CCountryScene>(context, context.Installation(), CDlgCountry::kGeneral);
}

std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context) {
    return std::make_unique<CCountryScene>(context, context.Installation(), CDlgCountry::kLook);
}

std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context) {
    return std::make_unique<CCountryScene>(context, context.NewFullAppContext().workingDirectory,
                                           CDlgCountry::kGeneral);
}

}  // namespace kw::screens

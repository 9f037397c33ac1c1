#include "ClubEditorScenes.h"

#include <cstdint>
#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/club/DlgClubParent.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo database in a document of its own, with the installation's tables, and the editor on
// the scene context's demo club.
class CClubEditorScene : public CShownScene {
public:
    explicit CClubEditorScene(CSceneContext& context) : m_slots(context.Installation()) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        const std::uint32_t club = context.DemoClub().Id();
        m_dialog = std::make_unique<CDlgClubParent>(
            *document, *document->World().Country(ClubCountry(club)).Club(club), m_installation,
            &context.Renderer(), app.cityDirectory, SClubEditorOptions{true});
        // Whole, as on a laptop's screen; the scenes' screen is smaller.
        m_dialog->resize(m_dialog->sizeHint());
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<CDlgClubParent> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgClubParent(CSceneContext& context) {
    return std::make_unique<CClubEditorScene>(context);
}

}  // namespace kw::screens

#include "ManagerPagesScenes.h"

#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "editing/PersonClub.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo database in a document of its own and the personal-data page on the first person of
// the kind that a club holds.
class CStaffPageScene : public CShownScene {
public:
    CStaffPageScene(CSceneContext& context, int kind) : m_slots(context.Installation()) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_context = std::make_unique<SPlayerEditContext>(
            SPlayerEditContext{*document, m_installation, nullptr, context.Installation()});
        m_window.setWindowTitle(QStringLiteral("Persönliche Daten"));
        auto* page = new CDlgPlayerAllRight(*m_context, &m_window);
        auto* layout = new QVBoxLayout(&m_window);
        layout->addWidget(page);
        page->SetPlayer(PersonOfKind(document->World(), kind));
        m_window.show();
    }

    QWidget& Widget() override { return m_window; }

private:
    static std::uint32_t PersonOfKind(const CWorld& world, int kind) {
        for (const auto& entry : world.Persons()) {
            if (entry.second->Kind() == kind && ClubHoldingPerson(world, entry.first) != nullptr) {
                return entry.first;
            }
        }
        throw std::runtime_error("the demo lacks a person of kind " + std::to_string(kind));
    }

    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<SPlayerEditContext> m_context;
    QWidget m_window;
};

constexpr int kTrainer = 1;
constexpr int kPresident = 3;
constexpr int kMasseur = 13;

}  // namespace

std::unique_ptr<CShownScene> ShowPlayerAllRightTrainer(CSceneContext& context) {
    return std::make_unique<CStaffPageScene>(context, kTrainer);
}

std::unique_ptr<CShownScene> ShowPlayerAllRightPresident(CSceneContext& context) {
    return std::make_unique<CStaffPageScene>(context, kPresident);
}

std::unique_ptr<CShownScene> ShowPlayerAllRightStaff(CSceneContext& context) {
    return std::make_unique<CStaffPageScene>(context, kMasseur);
}

}  // namespace kw::screens

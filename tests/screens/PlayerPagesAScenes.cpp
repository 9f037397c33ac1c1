#include "PlayerPagesAScenes.h"

#include <QVBoxLayout>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/Player.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo database in a document of its own, and the pages in a tab control as the squad dialog
// holds them.
class CPlayerPagesScene : public CShownScene {
public:
    explicit CPlayerPagesScene(CSceneContext& context) : m_slots(context.Installation()) {
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
        m_window.setWindowTitle(QStringLiteral("Spieler"));
        auto* tabs = new CMyTabCtrl(&m_window);
        auto* layout = new QVBoxLayout(&m_window);
        layout->addWidget(tabs);
        const std::uint32_t player = context.DemoPlayer().Id();
        for (const SPlayerPageTab& tab : MakePlayerPages(*m_context, tabs)) {
            tab.page->SetPlayer(player);
            tabs->AddPage(tab.page, QString::fromUtf8(tab.title));
        }
        m_window.show();
    }

    QWidget& Widget() override { return m_window; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<SPlayerEditContext> m_context;
    QWidget m_window;
};

}  // namespace

std::unique_ptr<CShownScene> ShowPlayerPagesA(CSceneContext& context) {
    return std::make_unique<CPlayerPagesScene>(context);
}

}  // namespace kw::screens

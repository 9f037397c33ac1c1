#include "AdminToolsScenes.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <stdexcept>
#include <string>

#include "app/ui/DlgMainMenu.h"
#include "app/ui/QtText.h"
#include "platform/StringTable.h"
#include "tools/AdminCommandTable.h"

namespace kw::screens {

namespace {

// The main window in administrator mode; the scene shows one of its parts.
class CAdminScene : public CShownScene {
public:
    explicit CAdminScene(CSceneContext& context) {
        SAppContext& appContext = context.NewAppContext();
        appContext.tools = true;
        m_window = std::make_unique<DlgMainMenu>(appContext, context.Ui());
    }

    DlgMainMenu& Window() { return *m_window; }
    void SetShown(QWidget& widget) { m_shown = &widget; }
    QWidget& Widget() override { return *m_shown; }

private:
    std::unique_ptr<DlgMainMenu> m_window;
    QWidget* m_shown = nullptr;
};

QMenu& AdminMenu(DlgMainMenu& window) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == QStringLiteral("AdminTools")) {
            return *action->menu();
        }
    }
    throw std::runtime_error("no AdminTools menu");
}

// A message box as the window's user interface shows it, without a modal loop.
void ShowBox(CAdminScene& scene, QMessageBox::Icon icon, const std::string& text,
             QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, FromCp1252(ResourceString(ids::kApplicationTitle)),
                                FromCp1252(text), buttons, &scene.Window());
    box->show();
    scene.SetShown(*box);
}

}  // namespace

std::unique_ptr<CShownScene> ShowAdminToolsMenu(CSceneContext& context) {
    auto scene = std::make_unique<CAdminScene>(context);
    scene->Window().show();
    QMenu& menu = AdminMenu(scene->Window());
    menu.popup(scene->Window().mapToGlobal(QPoint(0, 0)));
    scene->SetShown(menu);
    return scene;
}

std::unique_ptr<CShownScene> ShowAdminToolsQuestion(CSceneContext& context) {
    auto scene = std::make_unique<CAdminScene>(context);
    SAdminInputs inputs;
    inputs.country = 14;
    const std::string question =
        AdminQuestion(*FindAdminCommand("rename-stadiums"), scene->Window().World(), inputs);
    ShowBox(*scene, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
    return scene;
}

std::unique_ptr<CShownScene> ShowAdminToolsResult(CSceneContext& context) {
    auto scene = std::make_unique<CAdminScene>(context);
    const SAdminOutcome outcome =
        RunAdminCommand(*FindAdminCommand("tactical-training"), scene->Window().Document(), {});
    ShowBox(*scene, QMessageBox::Information, outcome.text, QMessageBox::Ok);
    return scene;
}

}  // namespace kw::screens

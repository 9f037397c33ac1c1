#include "SceneList.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <stdexcept>
#include <string>

#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/AdminToolsMenu.h"
#include "gui/mainwindow/QtText.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "tools/AdminCommandTable.h"

namespace kw::screens {

namespace {

// A window with the "AdminTools" menu on a document of the demo database of its own. Not the
// main window: that one loads the renderer plug-in of its own and unloads it when it closes,
// under the plug-in that later scenes share.
class CAdminScene : public CShownScene {
public:
    explicit CAdminScene(CSceneContext& context) {
        auto world = std::make_unique<CWorld>(context.Installation());
        world->InitialiseCountries();
        CSilentProgress progress;
        world->Load(context.Installation() / "database", progress);
        m_document = std::make_unique<CDatabaseDocument>(std::move(world));
        m_window = std::make_unique<QMainWindow>();
        m_window->setWindowTitle(QStringLiteral("Editor"));
        m_window->resize(640, 120);
        AddAdminToolsMenu(*m_window->menuBar(),
                          {.document = [this]() -> CDatabaseDocument& { return *m_document; },
                           .selectedCountry = [] { return 14; },
                           .selectedClub = [] { return std::uint32_t{0}; },
                           .otherDatabase = [] { return static_cast<const CWorld*>(nullptr); },
                           .tools = [] { return static_cast<const CGlobalTools*>(nullptr); },
                           .buildPs2Master = [] {},
                           .ui = context.Ui(),
                           .window = m_window.get()});
    }

    QMainWindow& Window() { return *m_window; }
    CDatabaseDocument& Document() { return *m_document; }
    void SetShown(QWidget& widget) { m_shown = &widget; }
    QWidget& Widget() override { return *m_shown; }

private:
    std::unique_ptr<CDatabaseDocument> m_document;
    std::unique_ptr<QMainWindow> m_window;
    QWidget* m_shown = nullptr;
};

QMenu& AdminMenu(QMainWindow& window) {
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
    auto* box = new QMessageBox(icon, FromCp1252(GuiString(ids::kApplicationTitle)),
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
    const std::string question = AdminQuestion(*FindAdminCommand("rename-stadiums"),
                                               scene->Document().World(), inputs, kDefaultLanguage);
    ShowBox(*scene, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
    return scene;
}

std::unique_ptr<CShownScene> ShowAdminToolsResult(CSceneContext& context) {
    auto scene = std::make_unique<CAdminScene>(context);
    const SAdminOutcome outcome =
        RunAdminCommand(*FindAdminCommand("tactical-training"), scene->Document(), {});
    ShowBox(*scene, QMessageBox::Information, outcome.text, QMessageBox::Ok);
    return scene;
}

}  // namespace kw::screens

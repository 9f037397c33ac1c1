// The main window and what it opens before any editor: its start, the renderer's preview, the
// controls gallery, the database dialogs and the synchronisation dialogs.
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "Scene.h"
#include "app/LongtimeOperation.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/ControlsGallery.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/RenderManager.h"
#include "gui/controls/RenderPreview.h"
#include "gui/controls/RenderValues.h"
#include "gui/editors/DlgNewClub.h"
#include "gui/mainwindow/DlgClubCopy.h"
#include "gui/mainwindow/DlgCountryCopy.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/DlgLongtimeOperation.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "gui/mainwindow/DlgNewDatabase.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/SelectDatabase.h"
#include "gui/mainwindow/SplashScreen.h"
#include "gui/mainwindow/SyncTreeWidget.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "tools/DatabaseSync.h"

namespace kw::screens {

namespace {

namespace fs = std::filesystem;

// A world export that reports like the real one and then holds in mid-run until it is
// cancelled, so that the dialog can be photographed at work.
class CHeldExport : public CLongtimeOperation {
public:
    static constexpr int kClubs = 400;
    static constexpr int kHoldAt = 150;

    CHeldExport(const fs::path& archive, std::string club) : m_club(std::move(club)) {
        const std::string description(GuiString(ids::kExportDescription));
        Progress().SetCaption(GuiString(ids::kExportCaption));
        Progress().SetDescription(FormatPrintf(description.c_str(), archive.c_str()));
        Progress().SetStatus(GuiString(ids::kExportStatus));
    }

    bool IsHolding() const { return m_holding; }

protected:
    void Execute(IProgress& progress) override {
        const std::string status(GuiString(ids::kExportClubStatus));
        progress.SetRange(0, kClubs);
        progress.EnableCancel(true);
        for (int club = 1; club <= kHoldAt && !progress.IsCancelled(); ++club) {
            progress.SetStatus(FormatPrintf(status.c_str(), m_club.c_str()));
            progress.SetPos(club);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        m_holding = true;
        while (!progress.IsCancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    std::string m_club;
    std::atomic<bool> m_holding{false};
};

class CLongtimeScene : public CShownScene {
public:
    CLongtimeScene(const fs::path& archive, std::string club)
        : m_operation(archive, std::move(club)),
          m_dialog(m_operation, nullptr, [this] { return NextTick(); }) {
        m_dialog.show();
    }
    ~CLongtimeScene() override {
        // The dialog waits for the worker when it is destroyed; cancelling lets the worker end.
        m_dialog.reject();
    }

    QWidget& Widget() override { return m_dialog; }
    bool IsReady() const override {
        const auto* timeLine = m_dialog.findChild<QLabel*>(QStringLiteral("timeLine"));
        return m_operation.IsHolding() && timeLine != nullptr && !timeLine->text().isEmpty();
    }

private:
    // Every update sees four seconds pass, so the time line shows at once.
    std::int64_t NextTick() { return m_now += 4000; }

    std::int64_t m_now = 0;
    CHeldExport m_operation;
    CDlgLongtimeOperation m_dialog;
};

// The splash screen closes itself; the scene closes it when it is done with it.
class CSplashScene : public CShownScene {
public:
    CSplashScene(std::unique_ptr<QWidget> anchor, QWidget& splash)
        : m_anchor(std::move(anchor)), m_splash(&splash) {}
    ~CSplashScene() override {
        if (m_splash) {
            m_splash->close();
        }
    }
    QWidget& Widget() override { return *m_splash; }

private:
    std::unique_ptr<QWidget> m_anchor;
    QPointer<QWidget> m_splash;
};

// A documents folder with a few databases and their descriptions, alive as long as the dialog.
class CDatabaseDialogScene : public CShownScene {
public:
    CDatabaseDialogScene() {
        if (!m_documents.isValid()) {
            throw std::runtime_error("no temporary documents folder");
        }
        const fs::path databases = Documents() / "database";
        const struct {
            const char* name;
            const char* description;
        } kDatabases[] = {
            {"Saison 2006", "Stand zu Beginn der Saison 2006/07 mit allen Transfers des Sommers."},
            {"Testliga", "Kleine Ligen zum Ausprobieren neuer Spielpl\xE4ne."},
            {"Original", ""},
        };
        for (const auto& database : kDatabases) {
            fs::create_directories(databases / database.name);
            if (*database.description != '\0') {
                std::ofstream(databases / database.name / "Database.txt") << database.description;
            }
        }
    }

    fs::path Documents() const { return m_documents.path().toStdString(); }
    QWidget& Widget() override { return *m_dialog; }

    // "Datenbank öffnen" (a database chosen) or "Datenbank speichern unter" (a name typed).
    template <typename Dialog>
    void Show(const std::function<void(Dialog&)>& fill, CSceneContext& context) {
        auto dialog = std::make_unique<Dialog>(Documents(), context.Ui(), std::vector<fs::path>{});
        fill(*dialog);
        dialog->show();
        m_dialog = std::move(dialog);
    }

private:
    QTemporaryDir m_documents;
    std::unique_ptr<QWidget> m_dialog;
};

std::unique_ptr<CShownScene> ShowSplashScene(CSceneContext&) {
    auto anchor = std::make_unique<QWidget>();
    ShowSplashScreen(*anchor, std::chrono::hours(1));
    QWidget* splash = ShowingSplashScreen();
    if (splash == nullptr) {
        throw std::runtime_error("no splash screen");
    }
    return std::make_unique<CSplashScene>(std::move(anchor), *splash);
}

std::unique_ptr<CShownScene> ShowLongtimeOperation(CSceneContext& context) {
    const std::string club(context.DemoClub().Name(kDefaultLanguage));
    return std::make_unique<CLongtimeScene>(context.Installation() / "database" / "default.tdb",
                                            club);
}

// The main window on the demo; with `chooseLanguage` started with "lang": the language choice and
// "&Globale Einstellungen" beside it. The window keeps the start-up context, which the scene
// context owns.
std::unique_ptr<CShownScene> MainWindowScene(EDemo demo, bool chooseLanguage,
                                             CSceneContext& context) {
    SAppContext& app = context.NewAppContext(demo);
    app.languageSelection = chooseLanguage;
    return Shown(std::make_unique<DlgMainMenu>(app, context.Ui()));
}

// The main window with quick-find hits under its search field.
std::unique_ptr<CShownScene> ShowQuickFind(CSceneContext& context) {
    auto window = std::make_unique<DlgMainMenu>(context.NewAppContext(), context.Ui());
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("quickFind"));
    if (field == nullptr) {
        throw std::runtime_error("no quick-find field");
    }
    field->setText(QStringLiteral("ber"));
    return Shown(std::move(window));
}

// The preview as the kit and look pages hold it: a group with a placeholder that the render
// widget takes the place of while the page is shown. The demo club's kits, and with `look` the
// demo player's look.
std::unique_ptr<CShownScene> RenderPreviewScene(bool look, CSceneContext& context) {
    CRenderManager& renderer = context.Renderer();
    if (!renderer.IsAvailable()) {
        throw std::runtime_error("the renderer plug-in did not load");
    }
    const QString title = look ? QCoreApplication::translate("kw::CPersonPageTabs", "Aussehen")
                               : ResourceQString(ids::kClubPageKits);
    auto page = std::make_unique<QWidget>();
    page->setWindowTitle(title);
    auto* layout = new QVBoxLayout(page.get());
    auto* group = new QGroupBox(title, page.get());
    auto* groupLayout = new QVBoxLayout(group);
    auto* placeholder = new QFrame(group);
    placeholder->setFrameShape(QFrame::StyledPanel);
    placeholder->setMinimumSize(360, 270);
    groupLayout->addWidget(placeholder);
    layout->addWidget(group);
    new CRenderPreview(renderer, *placeholder,
                       look ? render::kLookPageBackground : render::kKitPageBackground);
    renderer.SetKits(RenderKitsOf(context.DemoClub().Kit()));
    if (look) {
        renderer.ChangeLook(RenderLookOf(context.DemoPlayer()));
    }
    return Shown(std::move(page));
}

// One of the dialogs the controls gallery opens, by its place in the gallery's list.
SceneFunction GalleryDialog(std::size_t index) {
    return [index](CSceneContext&) {
        auto dialogs = MakeControlsGalleryDialogs();
        return Shown(std::move(dialogs.at(index)));
    };
}

// The synchronisation dialog on the demo database open twice; Europe open on both sides with its
// first country that has clubs.
std::unique_ptr<QWidget> SyncDialog(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgDatabaseCopy>(scene.Slots(), scene.Context().Ui());
    for (const char* name : {"leftTree", "rightTree"}) {
        auto* tree = dialog->findChild<CSyncTreeWidget*>(QString::fromLatin1(name));
        const int slot = name[0] == 'l' ? 1 : 0;
        if (QTreeWidgetItem* europe = tree->Find(SSyncItem::Continent(slot, 0))) {
            europe->setExpanded(true);
            for (int row = 0; row < europe->childCount(); ++row) {
                if (europe->child(row)->childCount() > 0) {
                    europe->child(row)->setExpanded(true);
                    break;
                }
            }
        }
    }
    return dialog;
}

}  // namespace

std::vector<SScene> WindowScenes() {
    return {
        {"DlgMainMenu", std::bind_front(MainWindowScene, EDemo::kSmall, false)},
        {"DlgMainMenuFull", std::bind_front(MainWindowScene, EDemo::kFull, false)},
        {"DlgMainMenuLang", std::bind_front(MainWindowScene, EDemo::kFull, true)},
        // Before the scenes of the shared renderer: a main window loads and unloads one of its own.
        {"QuickFind", ShowQuickFind},
        {"SplashScreen", ShowSplashScene},
        {"DlgLongtimeOperation", ShowLongtimeOperation},
        {"RenderPreviewKits", std::bind_front(RenderPreviewScene, false)},
        {"RenderPreviewLook", std::bind_front(RenderPreviewScene, true)},
        {"ControlsGallery", [](CSceneContext&) { return Shown(MakeControlsGallery()); }},
        {"DlgErrorMessage", GalleryDialog(0)},
        {"DlgErrorSingle", GalleryDialog(1)},
        {"DlgInputBox", GalleryDialog(2)},
        {"DlgNewClub", [](CSceneContext&) { return Shown(std::make_unique<CDlgNewClub>()); }},
        {"DlgDatabaseCopy", DocumentScene(EDemo::kSmall, SyncDialog, {}, 2)},
        {"DlgClubCopy",
         [](CSceneContext&) {
             return Shown(std::make_unique<CDlgClubCopy>(kAllClubCopyGroups & ~0x800u));
         }},
        {"DlgCountryCopy",
         [](CSceneContext&) {
             return Shown(std::make_unique<CDlgCountryCopy>(kAllCountryCopyGroups));
         }},
        {"DlgSelectDatabase",
         [](CSceneContext& context) {
             auto scene = std::make_unique<CDatabaseDialogScene>();
             scene->Show<CDlgSelectDatabase>(
                 [](CDlgSelectDatabase& dialog) { dialog.DatabaseList()->SelectRow(1); }, context);
             return scene;
         }},
        {"DlgNewDatabase",
         [](CSceneContext& context) {
             auto scene = std::make_unique<CDatabaseDialogScene>();
             scene->Show<CDlgNewDatabase>(
                 [](CDlgNewDatabase& dialog) {
                     dialog.NameField()->setText(QStringLiteral("Saison 2006"));
                 },
                 context);
             return scene;
         }},
    };
}

}  // namespace kw::screens

#pragma once

#include <QListWidget>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "app/InstallationData.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {

class CClub;
class CDatabaseDocument;
class CDatabaseSlots;
class CPlayer;
class CRenderManager;
class CWorld;

namespace screens {

// Which demo a scene opens: the small one or the one at the editor's full size.
enum class EDemo { kSmall, kFull };

// What the scenes share: the small demo installation (generated once per run), its database
// loaded into a world, a user interface that answers every question with No and records every
// message, and the editor's render manager.
class CSceneContext {
public:
    // Generates the small demo installation; throws std::runtime_error when it cannot.
    CSceneContext();
    ~CSceneContext();

    const std::filesystem::path& Installation() const { return m_installation; }
    // A fresh start-up context on the installation, as kwedit would hand it to its main window.
    // It lives as long as this context.
    SAppContext& NewAppContext();
    // The same on the demo installation at the editor's full size, generated on first use.
    SAppContext& NewFullAppContext();
    SAppContext& NewAppContext(EDemo demo) {
        return demo == EDemo::kFull ? NewFullAppContext() : NewAppContext();
    }
    CScriptedUserInterface& Ui() { return m_ui; }
    // Loaded on first use.
    CWorld& World();
    // The first club of country 14 in the world, and that club's first player.
    CClub& DemoClub();
    CPlayer& DemoPlayer();
    // Made on first use, with the plug-in from beside the program.
    CRenderManager& Renderer();

private:
    SAppContext& AddAppContext(const std::filesystem::path& installation);

    std::unique_ptr<QTemporaryDir> m_smallInstallation;
    std::filesystem::path m_installation;
    std::unique_ptr<QTemporaryDir> m_fullInstallation;
    CScriptedUserInterface m_ui;
    std::vector<std::unique_ptr<SAppContext>> m_appContexts;
    std::unique_ptr<CWorld> m_world;
    std::unique_ptr<CRenderManager> m_renderer;
};

// A shown scene: the widget to photograph and whatever has to live as long as it. The harness
// waits until IsReady (at most a few seconds), photographs the widget and each page of its tab
// widgets, and destroys the scene before the next one.
class CShownScene {
public:
    virtual ~CShownScene() = default;
    virtual QWidget& Widget() = 0;
    virtual bool IsReady() const { return true; }
};

// The usual scene: one widget that owns everything it shows.
std::unique_ptr<CShownScene> Shown(std::unique_ptr<QWidget> widget);

// Makes the row of `list` whose item holds `id` (Qt::UserRole) the current one, as a user would
// choose it.
void SelectRowOf(QListWidget& list, std::uint32_t id);

// A scene on the demo database of `app` (the small or the full demo), opened `copies` times in
// documents of their own as the editor opens it: the directories set up and the installation's
// tables loaded. The shown widget goes before the documents (a window's edit group ends first).
class CDatabaseScene : public CShownScene {
public:
    CDatabaseScene(CSceneContext& context, SAppContext& app, int copies = 1);
    ~CDatabaseScene() override;

    QWidget& Widget() override { return *m_widget; }
    bool IsReady() const override { return !m_ready || m_ready(); }
    CSceneContext& Context() const { return m_context; }
    const SAppContext& App() const { return m_app; }
    CInstallationData& Installation() { return m_installation; }
    // The first copy, and every copy by its slot.
    CDatabaseDocument& Document() const;
    CDatabaseSlots& Slots() const { return *m_slots; }

    // Shows `widget` as the scene's.
    void Show(std::unique_ptr<QWidget> widget) {
        m_widget = std::move(widget);
        m_widget->show();
    }
    // The scene is ready once `ready` holds.
    void ReadyWhen(std::function<bool()> ready) { m_ready = std::move(ready); }

    // Keeps `part` as long as the shown widget.
    template <typename Part>
    Part& Keep(std::unique_ptr<Part> part) {
        Part& kept = *part;
        m_kept.push_back(std::shared_ptr<void>(std::move(part)));
        return kept;
    }

private:
    CSceneContext& m_context;
    const SAppContext& m_app;
    CInstallationData m_installation;
    std::unique_ptr<CDatabaseSlots> m_slots;
    std::vector<std::shared_ptr<void>> m_kept;
    std::unique_ptr<QWidget> m_widget;
    std::function<bool()> m_ready;
};

// `page` in a plain window titled `title`, as its container would hold it.
std::unique_ptr<QWidget> InWindow(QWidget* page, const QString& title);

// A scene builds its widget and shows it without a modal loop (show, never exec). It throws
// std::runtime_error when the scene cannot be built.
using SceneFunction = std::function<std::unique_ptr<CShownScene>(CSceneContext&)>;

// A scene of one widget on the demo database (`demo`) opened `copies` times in documents of their
// own: `make` builds the widget on the scene; the scene sizes it to `size` when that is valid and
// shows it.
using MakeWidget = std::function<std::unique_ptr<QWidget>(CDatabaseScene&)>;
SceneFunction DocumentScene(EDemo demo, MakeWidget make, QSize size = {}, int copies = 1);

struct SScene {
    QString name;  // the PNG's name; the dialog's class name
    SceneFunction show;
};

// Every scene, in the order they are photographed (SceneTable.cpp): the parts below, defined in
// WindowScenes.cpp, ClubScenes.cpp (clubs, staff), CountryScenes.cpp (leagues, countries) and
// ToolScenes.cpp.
const std::vector<SScene>& Scenes();
std::vector<SScene> WindowScenes();
std::vector<SScene> ClubScenes();
std::vector<SScene> LeagueScenes();
std::vector<SScene> StaffScenes();
std::vector<SScene> CountryScenes();
std::vector<SScene> ToolScenes();

}  // namespace screens
}  // namespace kw

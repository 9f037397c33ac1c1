#include <QVBoxLayout>

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "Scene.h"
#include "app/DatabaseSlots.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/RenderManager.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo installation at `scale` (seed 1) in a temporary folder of its own.
std::unique_ptr<QTemporaryDir> GenerateDemo(demo::EDemoScale scale) {
    auto folder = std::make_unique<QTemporaryDir>();
    CSilentProgress progress;
    const demo::SDemoResult result =
        folder->isValid()
            ? demo::GenerateDemoInstallation(folder->path().toStdString(), scale, 1, progress)
            : demo::SDemoResult{};
    if (!result.ok) {
        throw std::runtime_error("no demo installation: " + result.message);
    }
    return folder;
}

class CWidgetScene : public CShownScene {
public:
    explicit CWidgetScene(std::unique_ptr<QWidget> widget) : m_widget(std::move(widget)) {}
    QWidget& Widget() override { return *m_widget; }

private:
    std::unique_ptr<QWidget> m_widget;
};

}  // namespace

std::unique_ptr<CShownScene> Shown(std::unique_ptr<QWidget> widget) {
    widget->show();
    return std::make_unique<CWidgetScene>(std::move(widget));
}

void SelectRowOf(QListWidget& list, std::uint32_t id) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toUInt() == id) {
            list.setCurrentRow(row);
        }
    }
}

SceneFunction DocumentScene(EDemo demo, MakeWidget make, QSize size, int copies) {
    return [demo, make = std::move(make), size, copies](CSceneContext& context) {
        auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(demo), copies);
        std::unique_ptr<QWidget> widget = make(*scene);
        if (size.isValid()) {
            widget->resize(size);
        }
        scene->Show(std::move(widget));
        return std::unique_ptr<CShownScene>(std::move(scene));
    };
}

std::unique_ptr<QWidget> InWindow(QWidget* page, const QString& title) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window.get());
    page->setParent(window.get());
    layout->addWidget(page);
    return window;
}

CDatabaseScene::CDatabaseScene(CSceneContext& context, SAppContext& app, int copies)
    : m_context(context), m_app(app) {
    SetUpDirectories(app, app.workingDirectory);
    m_installation.Load(app);
    m_slots = std::make_unique<CDatabaseSlots>(app.installDirectory);
    CSilentProgress progress;
    for (int copy = 0; copy < copies; ++copy) {
        CDatabaseDocument* document = m_slots->AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
    }
}

CDatabaseScene::~CDatabaseScene() = default;

CDatabaseDocument& CDatabaseScene::Document() const {
    return *m_slots->Slot(0);
}

CSceneContext::CSceneContext()
    : m_smallInstallation(GenerateDemo(demo::EDemoScale::kSmall)),
      m_installation(m_smallInstallation->path().toStdString()) {}

CSceneContext::~CSceneContext() = default;

SAppContext& CSceneContext::NewAppContext() {
    return AddAppContext(m_installation);
}

SAppContext& CSceneContext::NewFullAppContext() {
    if (!m_fullInstallation) {
        m_fullInstallation = GenerateDemo(demo::EDemoScale::kFull);
    }
    return AddAppContext(m_fullInstallation->path().toStdString());
}

SAppContext& CSceneContext::AddAppContext(const std::filesystem::path& installation) {
    auto context = std::make_unique<SAppContext>();
    context->workingDirectory = installation;
    context->startDirectory = installation;
    context->installationConfigured = true;
    m_appContexts.push_back(std::move(context));
    return *m_appContexts.back();
}

CWorld& CSceneContext::World() {
    if (!m_world) {
        auto world = std::make_unique<CWorld>(m_installation);
        CSilentProgress progress;
        if (!world->InitialiseCountries() ||
            !world->Load(m_installation / "database", progress, m_ui)) {
            throw std::runtime_error("the demo database does not load");
        }
        m_world = std::move(world);
    }
    return *m_world;
}

CClub& CSceneContext::DemoClub() {
    for (const auto& entry : World().Country(kDefaultCountry).Clubs()) {
        if (!entry.second->IsNationalTeam()) {
            return *entry.second;
        }
    }
    throw std::runtime_error("the demo database has no club in country 14");
}

CPlayer& CSceneContext::DemoPlayer() {
    for (const std::uint32_t id : DemoClub().PersonIds()) {
        CPlayer* person = World().Person(id);
        if (person != nullptr && person->IsPlayer()) {
            return *person;
        }
    }
    throw std::runtime_error("the demo club has no player");
}

CRenderManager& CSceneContext::Renderer() {
    if (!m_renderer) {
        m_renderer =
            std::make_unique<CRenderManager>(m_ui, CRenderManager::DefaultFolders(m_installation));
    }
    return *m_renderer;
}

}  // namespace kw::screens

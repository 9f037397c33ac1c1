#include "gui/controls/RenderManager.h"

#include <QCoreApplication>
#include <QLayout>
#include <QWidget>

#include <fstream>
#include <string>
#include <system_error>

#include "platform/Cp1252.h"
#include "platform/UserInterface.h"

namespace kw {

namespace {

// The library loader gives a text but no number, so the message names the file and that text.
std::string LoadErrorMessage(const std::filesystem::path& file, const QString& error) {
    return Utf8ToCp1252("Error Loading DLL\n\nCould not load the DLL \"" + file.string() +
                        "\".\nError Message \"" + error.toStdString() + "\"");
}

}  // namespace

CRenderManager::CRenderManager(IUserInterface& ui,
                               const std::vector<std::filesystem::path>& folders)
    : m_widget(std::make_unique<QWidget>()) {
    m_widget->setObjectName(QStringLiteral("renderPreview"));
    m_widget->hide();
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path file = folder / render::kPluginFileName;
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error) &&
            std::ifstream(file, std::ios::binary).is_open()) {
            Load(ui, file);
            return;
        }
    }
}

CRenderManager::~CRenderManager() {
    Detach();
    // The plug-in's objects live in the library's code: end them before unloading it.
    m_plugin.reset();
    if (m_library.isLoaded()) {
        m_library.unload();
    }
}

std::vector<std::filesystem::path> CRenderManager::DefaultFolders(
    const std::filesystem::path& workingDirectory) {
    return FoldersFor(workingDirectory, QCoreApplication::applicationDirPath().toStdString());
}

std::vector<std::filesystem::path> CRenderManager::FoldersFor(
    const std::filesystem::path& workingDirectory, const std::filesystem::path& programDirectory) {
    // KW_PACKAGED_PLUGIN_FOLDER, relative to the program's folder, comes from
    // cmake/Packaging.cmake.
    return {workingDirectory, programDirectory,
            (programDirectory / KW_PACKAGED_PLUGIN_FOLDER).lexically_normal()};
}

void CRenderManager::Load(IUserInterface& ui, const std::filesystem::path& file) {
    m_library.setFileName(QString::fromStdString(file.string()));
    if (!m_library.load()) {
        ui.ShowError(LoadErrorMessage(file, m_library.errorString()));
        return;
    }
    const auto getPlugin =
        reinterpret_cast<render::GetPluginFunction>(m_library.resolve(render::kEntryPointName));
    render::IRendererPlugin* plugin = nullptr;
    if (getPlugin != nullptr) {
        getPlugin(&plugin);
    }
    if (plugin == nullptr) {
        m_library.unload();
        return;
    }
    m_plugin.reset(plugin);
    m_plugin->SetRenderTarget(m_widget.get());
}

void CRenderManager::Attach(QWidget& placeholder) {
    QWidget* host = placeholder.parentWidget();
    if (!IsAvailable() || host == nullptr || m_placeholder == &placeholder) {
        return;
    }
    Detach();
    m_placeholder = &placeholder;
    m_widget->setParent(host);
    m_widget->setSizePolicy(placeholder.sizePolicy());
    m_widget->setMinimumSize(placeholder.minimumSize());
    m_widget->setMaximumSize(placeholder.maximumSize());
    m_widget->setGeometry(placeholder.geometry());
    m_layout = host->layout();
    if (m_layout != nullptr && m_layout->replaceWidget(&placeholder, m_widget.get()) == nullptr) {
        m_layout = nullptr;  // the placeholder stands outside the layout: its geometry serves
    }
    m_hostWatch = QObject::connect(host, &QObject::destroyed, [this] { Rescue(); });
    placeholder.hide();
    m_widget->show();
}

void CRenderManager::Detach() {
    if (m_widget->parentWidget() == nullptr) {
        return;
    }
    if (m_layout != nullptr && m_placeholder != nullptr) {
        m_layout->replaceWidget(m_widget.get(), m_placeholder);
    }
    if (m_placeholder != nullptr) {
        m_placeholder->show();
    }
    Rescue();
}

void CRenderManager::Rescue() {
    QObject::disconnect(m_hostWatch);
    m_widget->hide();
    m_widget->setParent(nullptr);
    m_placeholder = nullptr;
    m_layout = nullptr;
}

void CRenderManager::SetKits(const render::SClubKits& kits) {
    if (IsAvailable()) {
        m_plugin->SetKits(kits);
    }
}

void CRenderManager::ChangeKit(const render::SClubKits& kits, render::EKitView view) {
    if (IsAvailable()) {
        m_plugin->ChangeKit(kits, view);
    }
}

void CRenderManager::ChangeLook(const render::SPlayerLook& look) {
    if (IsAvailable()) {
        m_plugin->ChangeLook(look);
    }
}

void CRenderManager::RenderFrame() {
    if (IsAvailable()) {
        m_plugin->RenderFrame();
    }
}

void CRenderManager::SetBackground(std::uint32_t colour) {
    if (IsAvailable()) {
        m_plugin->SetBackground(colour);
    }
}

}  // namespace kw

#pragma once

#include <QLibrary>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <vector>

#include "gui/controls/RendererPlugin.h"

class QLayout;
class QWidget;

namespace kw {

class IUserInterface;

// The optional renderer plug-in and the one widget it draws into. The editor makes one manager
// and hands it to the pages that preview kits and looks; each page lends the widget while it is
// shown (Attach) and gives it back when it is hidden (Detach). When the plug-in is not available
// every preview call does nothing and the pages keep their placeholders.
class CRenderManager {
public:
    // Looks for "Renderer.so" in `folders` in this order and loads the first one found. Only a
    // library that exists but cannot be loaded is reported to `ui`; anything else (no file, no
    // "GetPlugin") leaves the previews off silently.
    CRenderManager(IUserInterface& ui, const std::vector<std::filesystem::path>& folders);
    ~CRenderManager();
    CRenderManager(const CRenderManager&) = delete;
    CRenderManager& operator=(const CRenderManager&) = delete;

    // The folders FoldersFor gives for the running program.
    static std::vector<std::filesystem::path> DefaultFolders(
        const std::filesystem::path& workingDirectory);
    // The editor's working folder, then the program's own folder (where the build puts the
    // reference plug-in), then ../lib/<multiarch>/kwedit relative to it (where the package
    // installs it).
    static std::vector<std::filesystem::path> FoldersFor(
        const std::filesystem::path& workingDirectory,
        const std::filesystem::path& programDirectory);

    bool IsAvailable() const { return m_plugin != nullptr; }
    // The library that was loaded; empty when none.
    QString PluginPath() const { return IsAvailable() ? m_library.fileName() : QString(); }

    // Puts the render widget where `placeholder` is in its parent widget (in the parent's layout,
    // else at the placeholder's geometry) and hides the placeholder. A widget lent to another
    // page is taken back first. Nothing happens without the plug-in or without a parent.
    void Attach(QWidget& placeholder);
    // Hides the render widget and shows the placeholder again.
    void Detach();
    // The placeholder the render widget stands in for, or null.
    QWidget* AttachedTo() const { return m_placeholder; }
    // The widget the plug-in draws into; it stays the manager's.
    QWidget& RenderWidget() { return *m_widget; }
    const QWidget& RenderWidget() const { return *m_widget; }

    void SetKits(const render::SClubKits& kits);
    void ChangeKit(const render::SClubKits& kits, render::EKitView view);
    void ChangeLook(const render::SPlayerLook& look);
    void RenderFrame();
    void SetBackground(std::uint32_t colour);

private:
    struct SRelease {
        void operator()(render::IRendererPlugin* plugin) const { plugin->Release(); }
    };

    void Load(IUserInterface& ui, const std::filesystem::path& file);
    // Takes the widget out of its page without touching the page, which may be being destroyed
    // (a page deletes its children, and the widget is the manager's).
    void Rescue();

    std::unique_ptr<QWidget> m_widget;
    QLibrary m_library;
    std::unique_ptr<render::IRendererPlugin, SRelease> m_plugin;
    QPointer<QWidget> m_placeholder;
    QPointer<QLayout> m_layout;  // the layout the placeholder stood in, when it stood in one
    QMetaObject::Connection m_hostWatch;
};

}  // namespace kw

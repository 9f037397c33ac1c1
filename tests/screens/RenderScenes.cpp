#include "SceneList.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdint>
#include <stdexcept>

#include "gui/controls/ControlText.h"
#include "gui/controls/RenderManager.h"
#include "gui/controls/RenderPreview.h"
#include "gui/controls/RenderValues.h"
#include "model/Club.h"

namespace kw::screens {

namespace {

// A page as the kit and look pages will hold the preview: a group with a placeholder that the
// render widget takes the place of while the page is shown.
std::unique_ptr<QWidget> PreviewPage(CRenderManager& renderer, const QString& title,
                                     std::uint32_t background) {
    if (!renderer.IsAvailable()) {
        throw std::runtime_error("the renderer plug-in did not load");
    }
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
    new CRenderPreview(renderer, *placeholder, background);
    return page;
}

}  // namespace

std::unique_ptr<CShownScene> ShowRenderPreviewKits(CSceneContext& context) {
    CRenderManager& renderer = context.Renderer();
    auto page =
        PreviewPage(renderer, ResourceQString(ids::kClubPageKits), render::kKitPageBackground);
    renderer.SetKits(RenderKitsOf(context.DemoClub().Kit()));
    return Shown(std::move(page));
}

std::unique_ptr<CShownScene> ShowRenderPreviewLook(CSceneContext& context) {
    CRenderManager& renderer = context.Renderer();
    auto page =
        PreviewPage(renderer, QCoreApplication::translate("kw::CPersonPageTabs", "Aussehen"),
                    render::kLookPageBackground);
    renderer.SetKits(RenderKitsOf(context.DemoClub().Kit()));
    renderer.ChangeLook(RenderLookOf(context.DemoPlayer()));
    return Shown(std::move(page));
}

}  // namespace kw::screens

#include "Scene.h"
#include "WindowScenes.h"

namespace kw::screens {

// One line per window or dialog: its name (the PNG is <name>.png, and <name>-<tab>.png for each
// tab page) and the function that builds and shows it. A dialog that needs nothing but a parent:
//     {"DlgExample", [](CSceneContext&) { return Shown(std::make_unique<CDlgExample>()); }},
const std::vector<SScene>& Scenes() {
    static const std::vector<SScene> scenes = {
        {"MainWindow", ShowMainWindow},
        {"DlgLongtimeOperation", ShowLongtimeOperation},
        {"RenderPreviewKits", ShowRenderPreviewKits},
        {"RenderPreviewLook", ShowRenderPreviewLook},
    };
    return scenes;
}

}  // namespace kw::screens

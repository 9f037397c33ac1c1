#include "Scene.h"

namespace kw::screens {

// The scenes of each part, one part after the other. In a part, one line per window or dialog:
// its name (the PNG is <name>.png, and <name>-<tab>.png for each tab page) and the function that
// builds and shows it. A dialog that needs nothing but a parent:
//     {"DlgExample", [](CSceneContext&) { return Shown(std::make_unique<CDlgExample>()); }},
const std::vector<SScene>& Scenes() {
    static const std::vector<SScene> scenes = [] {
        std::vector<SScene> all;
        for (const auto part :
             {WindowScenes, ClubScenes, LeagueScenes, StaffScenes, CountryScenes, ToolScenes}) {
            std::vector<SScene> scenes = part();
            all.insert(all.end(), scenes.begin(), scenes.end());
        }
        return all;
    }();
    return scenes;
}

}  // namespace kw::screens

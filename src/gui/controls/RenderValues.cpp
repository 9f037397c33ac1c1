#include "gui/controls/RenderValues.h"

#include <cstddef>

#include "model/ClubKit.h"
#include "model/Player.h"

namespace kw {

namespace {

render::SKit KitOf(const CClubKit::SKit& kit) {
    render::SKit values;
    values.shirtDesign = kit.design;
    values.shortsDesign = kit.secondStyle;
    values.socksDesign = kit.thirdStyle;
    for (std::size_t colour = 0; colour < values.colours.size(); ++colour) {
        values.colours[colour] = {kit.colours[colour * 3], kit.colours[colour * 3 + 1],
                                  kit.colours[colour * 3 + 2]};
    }
    return values;
}

}  // namespace

render::SClubKits RenderKitsOf(const CClubKit& kit) {
    return {KitOf(kit.Kit(0)), KitOf(kit.Kit(1)), kit.SharedValue()};
}

render::SPlayerLook RenderLookOf(const CPlayer& player) {
    const auto& looks = player.Looks();
    render::SPlayerLook values;
    values.face = looks[look::kFace];
    values.hairColour = looks[look::kHairColour];
    values.hairCut = looks[look::kHairCut];
    values.beard = looks[look::kBeard];
    values.height = looks[look::kHeight];
    values.weight = looks[look::kWeight];
    values.shoeType = player.ShoeType();
    values.longSleeves = player.Sleeves() != 0;
    values.specialFace = player.SpecialFace();
    return values;
}

}  // namespace kw

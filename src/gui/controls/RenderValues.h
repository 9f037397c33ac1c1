#pragma once

#include "gui/controls/RendererPlugin.h"

namespace kw {

class CClubKit;
class CPlayer;

// The values the renderer plug-in receives, copied from the records.
render::SClubKits RenderKitsOf(const CClubKit& kit);
render::SPlayerLook RenderLookOf(const CPlayer& player);

}  // namespace kw

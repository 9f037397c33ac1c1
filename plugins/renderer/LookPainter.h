#pragma once

#include <QRectF>

#include "gui/controls/RendererPlugin.h"

class QPainter;

namespace kw::render {

// A flat front view of a player in `kit`: skin after the face type, hair colour and cut, beard,
// sleeves and shoes; height and weight set the figure's size within `area`.
void PaintPlayer(QPainter& painter, const QRectF& area, const SPlayerLook& look, const SKit& kit);

}  // namespace kw::render

#pragma once

#include <QColor>
#include <QRectF>

#include "gui/controls/RendererPlugin.h"

class QPainter;
class QPainterPath;

namespace kw::render {

QColor ToQColor(const SRgb& colour);

// A flat front view of one kit, shirt over shorts over socks, filling `area` (kept at the kit's
// proportions). The trim colour draws the designs' patterns, collar and cuffs.
void PaintKit(QPainter& painter, const QRectF& area, const SKit& kit);

// A shirt of any cut: `outline` in the shirt colour with the design's pattern, outlined.
void FillShirt(QPainter& painter, const QPainterPath& outline, const SKit& kit);
// A round neck in the trim colour: the lower half of `neck`.
void PaintCollar(QPainter& painter, const QRectF& neck, const SKit& kit);

}  // namespace kw::render

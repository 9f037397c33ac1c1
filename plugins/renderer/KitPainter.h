#pragma once

#include <QColor>
#include <QRectF>

#include "controls/RendererPlugin.h"

class QPainter;

namespace kw::render {

QColor ToQColor(const SRgb& colour);

// A flat front view of one kit, shirt over shorts over socks, filling `area` (kept at the kit's
// proportions). The trim colour draws the designs' patterns, collar and cuffs.
void PaintKit(QPainter& painter, const QRectF& area, const SKit& kit);

// The shirt alone, in `area`; also used for the body of the look preview.
void PaintShirt(QPainter& painter, const QRectF& area, const SKit& kit, bool longSleeves);

}  // namespace kw::render

#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

namespace kw {

struct SColourItemState {
    bool selected = false;
    bool enabled = true;
    bool focused = false;
};

// Draws one item of the colour chooser: a swatch of its colour framed in black and its name
// beside it. A selected item lies on the highlight with the window-text colour inverted; a
// disabled chooser shows its swatches in the grey-text colour.
void PaintColourItem(QPainter& painter, const QRect& item, const QString& name,
                     const QColor& colour, const QPalette& palette, SColourItemState state);

}  // namespace kw

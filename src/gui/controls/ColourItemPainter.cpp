#include "gui/controls/ColourItemPainter.h"

#include <QPainter>
#include <QPalette>

#include "forms/ColourItemLayout.h"

namespace kw {

namespace {

QRect ToQt(const SPixelRect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

QColor Inverted(const QColor& colour) {
    return QColor(colour.rgb() ^ 0x00FFFFFFu);
}

}  // namespace

void PaintColourItem(QPainter& painter, const QRect& item, const QString& name,
                     const QColor& colour, const QPalette& palette, SColourItemState state) {
    painter.save();
    const QColor windowText = palette.color(QPalette::WindowText);
    if (state.selected) {
        painter.fillRect(item, palette.highlight());
    }
    const SColourItemLayout layout =
        LayOutColourItem(SPixelRect{item.left(), item.top(), item.width(), item.height()});
    const QRect swatch = ToQt(layout.swatch);
    if (!swatch.isEmpty()) {
        painter.fillRect(
            swatch, state.enabled ? colour : palette.color(QPalette::Disabled, QPalette::Text));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
    painter.setPen(state.selected ? Inverted(windowText) : windowText);
    painter.drawText(ToQt(layout.text), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    if (state.focused) {
        painter.setPen(QPen(windowText, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace kw

#include "KitPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace kw::render {

namespace {

constexpr int kShirtPatterns = 7;
constexpr int kShortsPatterns = 3;
constexpr int kSocksPatterns = 4;

QColor Shirt(const SKit& kit) {
    return ToQColor(kit.colours[0]);
}
QColor Shorts(const SKit& kit) {
    return ToQColor(kit.colours[1]);
}
QColor Socks(const SKit& kit) {
    return ToQColor(kit.colours[2]);
}
QColor Trim(const SKit& kit) {
    return ToQColor(kit.colours[3]);
}

// A contrasting line colour, so that white on white or black on black still shows an outline.
QColor Outline(const QColor& fill) {
    return fill.lightness() > 100 ? fill.darker(220) : fill.lighter(250);
}

QPainterPath ShirtOutline(const QRectF& r) {
    const double w = r.width();
    const double h = r.height();
    constexpr double sleeveEnd = 0.45;
    QPolygonF shape;
    shape << QPointF(r.left() + 0.36 * w, r.top())  // left of the collar
          << QPointF(r.left() + 0.12 * w, r.top() + 0.08 * h)
          << QPointF(r.left(), r.top() + sleeveEnd * h)
          << QPointF(r.left() + 0.14 * w, r.top() + (sleeveEnd + 0.04) * h)
          << QPointF(r.left() + 0.2 * w, r.top() + 0.3 * h)
          << QPointF(r.left() + 0.2 * w, r.bottom()) << QPointF(r.right() - 0.2 * w, r.bottom())
          << QPointF(r.right() - 0.2 * w, r.top() + 0.3 * h)
          << QPointF(r.right() - 0.14 * w, r.top() + (sleeveEnd + 0.04) * h)
          << QPointF(r.right(), r.top() + sleeveEnd * h)
          << QPointF(r.right() - 0.12 * w, r.top() + 0.08 * h)
          << QPointF(r.right() - 0.36 * w, r.top());
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

// The design's pattern in the trim colour, drawn inside the clipped shirt.
void PaintShirtPattern(QPainter& painter, const QRectF& r, const SKit& kit) {
    const QColor trim = Trim(kit);
    const double w = r.width();
    const double h = r.height();
    switch (kit.shirtDesign % kShirtPatterns) {
        case 1:  // stripes
            for (int stripe = 1; stripe < 10; stripe += 2) {
                painter.fillRect(QRectF(r.left() + stripe * w / 10, r.top(), w / 10, h), trim);
            }
            break;
        case 2:  // hoops
            for (int hoop = 1; hoop < 8; hoop += 2) {
                painter.fillRect(QRectF(r.left(), r.top() + hoop * h / 8, w, h / 8), trim);
            }
            break;
        case 3:  // halves
            painter.fillRect(QRectF(r.center().x(), r.top(), w / 2, h), trim);
            break;
        case 4: {  // sash
            QPolygonF sash;
            sash << QPointF(r.left() + 0.2 * w, r.top()) << QPointF(r.left() + 0.4 * w, r.top())
                 << QPointF(r.right() - 0.1 * w, r.bottom())
                 << QPointF(r.right() - 0.3 * w, r.bottom());
            painter.setPen(Qt::NoPen);
            painter.setBrush(trim);
            painter.drawPolygon(sash);
            break;
        }
        case 5:  // chest band
            painter.fillRect(QRectF(r.left(), r.top() + 0.3 * h, w, 0.16 * h), trim);
            break;
        case 6:  // pinstripes
            for (int stripe = 1; stripe < 16; ++stripe) {
                painter.fillRect(QRectF(r.left() + stripe * w / 16, r.top(), w / 80, h), trim);
            }
            break;
        default:  // plain
            break;
    }
}

void PaintShorts(QPainter& painter, const QRectF& r, const SKit& kit) {
    const double w = r.width();
    const double h = r.height();
    QPolygonF shape;
    shape << r.topLeft() << r.topRight() << QPointF(r.right() + 0.04 * w, r.bottom())
          << QPointF(r.center().x() + 0.04 * w, r.bottom())
          << QPointF(r.center().x(), r.top() + 0.45 * h)
          << QPointF(r.center().x() - 0.04 * w, r.bottom())
          << QPointF(r.left() - 0.04 * w, r.bottom());
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    painter.save();
    painter.setClipPath(path);
    painter.fillPath(path, Shorts(kit));
    const QColor trim = Trim(kit);
    switch (kit.shortsDesign % kShortsPatterns) {
        case 1:  // side stripes
            painter.fillRect(QRectF(r.left() - 0.04 * w, r.top(), 0.1 * w, h), trim);
            painter.fillRect(QRectF(r.right() - 0.06 * w, r.top(), 0.1 * w, h), trim);
            break;
        case 2:  // hems
            painter.fillRect(QRectF(r.left() - 0.04 * w, r.bottom() - 0.16 * h, 1.08 * w, 0.16 * h),
                             trim);
            break;
        default:
            break;
    }
    painter.restore();
    painter.setPen(QPen(Outline(Shorts(kit)), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void PaintSock(QPainter& painter, const QRectF& r, const SKit& kit) {
    const QColor trim = Trim(kit);
    painter.fillRect(r, Socks(kit));
    const double h = r.height();
    switch (kit.socksDesign % kSocksPatterns) {
        case 1:  // hoops
            for (int hoop = 1; hoop < 6; hoop += 2) {
                painter.fillRect(QRectF(r.left(), r.top() + hoop * h / 6, r.width(), h / 6), trim);
            }
            break;
        case 2:  // top band
            painter.fillRect(QRectF(r.left(), r.top(), r.width(), 0.2 * h), trim);
            break;
        case 3:  // two tones
            painter.fillRect(QRectF(r.left(), r.top() + h / 2, r.width(), h / 2), trim);
            break;
        default:
            break;
    }
    painter.setPen(QPen(Outline(Socks(kit)), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
}

}  // namespace

QColor ToQColor(const SRgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void FillShirt(QPainter& painter, const QPainterPath& outline, const SKit& kit) {
    painter.save();
    painter.setClipPath(outline);
    painter.fillPath(outline, Shirt(kit));
    PaintShirtPattern(painter, outline.boundingRect(), kit);
    painter.restore();
    painter.setPen(QPen(Outline(Shirt(kit)), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

void PaintCollar(QPainter& painter, const QRectF& neck, const SKit& kit) {
    painter.setPen(QPen(Trim(kit), std::max(2.0, neck.width() / 8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(neck, 180 * 16, 180 * 16);
}

void PaintShirt(QPainter& painter, const QRectF& area, const SKit& kit) {
    FillShirt(painter, ShirtOutline(area), kit);
    PaintCollar(painter,
                QRectF(area.left() + 0.36 * area.width(), area.top() - 0.06 * area.height(),
                       0.28 * area.width(), 0.16 * area.height()),
                kit);
}

void PaintKit(QPainter& painter, const QRectF& area, const SKit& kit) {
    // A kit is about two thirds as wide as it is tall.
    const double width = std::min(area.width(), area.height() * 0.66);
    const double height = width / 0.66;
    const QRectF r(area.center().x() - width / 2, area.center().y() - height / 2, width, height);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintShirt(painter, QRectF(r.left(), r.top(), r.width(), 0.5 * r.height()), kit);
    PaintShorts(painter,
                QRectF(r.left() + 0.24 * r.width(), r.top() + 0.54 * r.height(), 0.52 * r.width(),
                       0.2 * r.height()),
                kit);
    const double sockWidth = 0.14 * r.width();
    const double sockTop = r.top() + 0.78 * r.height();
    const double sockHeight = 0.22 * r.height();
    PaintSock(painter, QRectF(r.left() + 0.28 * r.width(), sockTop, sockWidth, sockHeight), kit);
    PaintSock(painter,
              QRectF(r.right() - 0.28 * r.width() - sockWidth, sockTop, sockWidth, sockHeight),
              kit);
}

}  // namespace kw::render

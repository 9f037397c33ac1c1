#include "LookPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>

#include "KitPainter.h"

namespace kw::render {

namespace {

enum class ESkin { kLight, kOlive, kTan, kDark };

// The face types come in runs of one origin each.
ESkin SkinOf(int face) {
    struct SRun {
        int last;
        ESkin skin;
    };
    static constexpr std::array<SRun, 11> kRuns = {{{7, ESkin::kLight},
                                                    {13, ESkin::kOlive},
                                                    {19, ESkin::kDark},
                                                    {25, ESkin::kTan},
                                                    {34, ESkin::kLight},
                                                    {46, ESkin::kTan},
                                                    {58, ESkin::kLight},
                                                    {68, ESkin::kDark},
                                                    {79, ESkin::kOlive},
                                                    {85, ESkin::kTan},
                                                    {90, ESkin::kLight}}};
    for (const SRun& run : kRuns) {
        if (face <= run.last) {
            return run.skin;
        }
    }
    return ESkin::kLight;
}

QColor SkinColour(ESkin skin) {
    switch (skin) {
        case ESkin::kOlive:
            return QColor(224, 187, 140);
        case ESkin::kTan:
            return QColor(196, 146, 102);
        case ESkin::kDark:
            return QColor(110, 72, 46);
        case ESkin::kLight:
            break;
    }
    return QColor(242, 206, 178);
}

QColor HairColour(int hair) {
    static constexpr std::array<QRgb, 6> kHair = {0x202020, 0x202020, 0x5a3a1e,
                                                  0x8a6a3a, 0xe0c068, 0xb0401c};
    return QColor(kHair[static_cast<std::size_t>(std::clamp(hair, 0, 5))]);
}

QColor ShoeColour(int shoe) {
    static constexpr std::array<QRgb, 6> kShoes = {0x101010, 0x101010, 0xf0f0f0,
                                                   0xd02020, 0x2050d0, 0xf0c020};
    return QColor(kShoes[static_cast<std::size_t>(std::clamp(shoe, 0, 5))]);
}

void PaintHair(QPainter& painter, const QRectF& head, int cut, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double w = head.width();
    const double h = head.height();
    switch (cut % 5) {
        case 0:  // shaved
            break;
        case 1:  // short
            painter.drawChord(head.adjusted(-0.02 * w, -0.04 * h, 0.02 * w, 0), 10 * 16, 160 * 16);
            break;
        case 2:  // long, to the shoulders
            painter.drawChord(head.adjusted(-0.06 * w, -0.06 * h, 0.06 * w, 0), 0, 180 * 16);
            painter.drawRect(QRectF(head.left() - 0.06 * w, head.center().y(), 0.16 * w, 0.6 * h));
            painter.drawRect(QRectF(head.right() - 0.1 * w, head.center().y(), 0.16 * w, 0.6 * h));
            break;
        case 3:  // crest
            painter.drawRect(
                QRectF(head.center().x() - 0.1 * w, head.top() - 0.12 * h, 0.2 * w, 0.3 * h));
            break;
        default:  // curls
            for (int curl = 0; curl < 5; ++curl) {
                painter.drawEllipse(QRectF(head.left() + curl * 0.2 * w - 0.02 * w,
                                           head.top() - 0.1 * h, 0.26 * w, 0.3 * h));
            }
            break;
    }
}

void PaintBeard(QPainter& painter, const QRectF& head, int beard, const QColor& colour) {
    const double w = head.width();
    const double h = head.height();
    const QRectF mouth(head.center().x() - 0.18 * w, head.top() + 0.68 * h, 0.36 * w, 0.08 * h);
    painter.setPen(Qt::NoPen);
    switch (beard) {
        case 2:  // goatee, in part
        case 5:  // goatee, whole
            painter.setBrush(colour);
            painter.drawEllipse(QRectF(head.center().x() - 0.1 * w, head.top() + 0.8 * h, 0.2 * w,
                                       beard == 5 ? 0.22 * h : 0.14 * h));
            if (beard == 5) {
                painter.drawRect(mouth.adjusted(0, -0.06 * h, 0, -0.06 * h));
            }
            break;
        case 3:  // moustache
            painter.setBrush(colour);
            painter.drawRect(mouth.adjusted(0, -0.06 * h, 0, -0.06 * h));
            break;
        case 4: {  // stubble
            QColor shade = colour;
            shade.setAlpha(90);
            painter.setBrush(shade);
            painter.drawChord(head, 200 * 16, 140 * 16);
            break;
        }
        case 6:  // full beard
            painter.setBrush(colour);
            painter.drawChord(head.adjusted(-0.02 * w, 0, 0.02 * w, 0.06 * h), 205 * 16, 130 * 16);
            break;
        default:
            break;
    }
}

void PaintFace(QPainter& painter, const QRectF& head, const SPlayerLook& look) {
    const QColor skin = SkinColour(SkinOf(look.face));
    painter.setPen(QPen(skin.darker(140), 1.5));
    painter.setBrush(skin);
    painter.drawEllipse(head);
    const double w = head.width();
    const double h = head.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    const double eye = 0.08 * w;
    painter.drawEllipse(QRectF(head.left() + 0.3 * w, head.top() + 0.42 * h, eye, eye));
    painter.drawEllipse(QRectF(head.right() - 0.3 * w - eye, head.top() + 0.42 * h, eye, eye));
    painter.setPen(QPen(skin.darker(170), 1.5));
    painter.drawLine(QPointF(head.center().x() - 0.1 * w, head.top() + 0.76 * h),
                     QPointF(head.center().x() + 0.1 * w, head.top() + 0.76 * h));
    const QColor hair = HairColour(look.hairColour);
    PaintBeard(painter, head, look.beard, hair);
    PaintHair(painter, head, look.hairCut, hair);
}

}  // namespace

void PaintPlayer(QPainter& painter, const QRectF& area, const SPlayerLook& look, const SKit& kit) {
    painter.setRenderHint(QPainter::Antialiasing);
    // 150 to 220 cm fill 75 to 100 percent of the height; heavier players are broader.
    const double height = std::clamp(static_cast<int>(look.height), 150, 220);
    const double weight = std::clamp(static_cast<int>(look.weight), 50, 150);
    const double tall = area.height() * (0.75 + 0.25 * (height - 150) / 70);
    const double breadth = std::clamp(weight / (height - 100), 0.6, 1.4);
    const double unit = tall / 8;  // a head is an eighth of the body
    const double shoulders = std::min(area.width() * 0.7, 1.9 * unit * breadth);
    const double x = area.center().x();
    const double top = area.bottom() - tall;
    const QColor skin = SkinColour(SkinOf(look.face));

    const QRectF torso(x - shoulders / 2, top + 1.15 * unit, shoulders, 2.9 * unit);
    const double armWidth = 0.16 * shoulders;
    const QRectF leftArm(torso.left() - 0.8 * armWidth, torso.top() + 0.25 * unit, armWidth,
                         2.8 * unit);
    const QRectF rightArm = leftArm.translated(shoulders + 0.6 * armWidth, 0);

    // Legs in skin, socks and shoes; shorts over their tops.
    const double legWidth = 0.3 * shoulders;
    const double legTop = torso.bottom() + 0.6 * unit;
    const double legHeight = area.bottom() - legTop - 0.3 * unit;
    const QColor shoes = ShoeColour(look.shoeType);
    painter.setPen(Qt::NoPen);
    for (const double legX : {x - 0.04 * shoulders - legWidth, x + 0.04 * shoulders}) {
        painter.setBrush(skin);
        painter.drawRect(QRectF(legX, legTop, legWidth, legHeight * 0.5));
        painter.setBrush(ToQColor(kit.colours[2]));
        painter.drawRect(QRectF(legX, legTop + legHeight * 0.5, legWidth, legHeight * 0.5));
        painter.setBrush(shoes);
        painter.drawRoundedRect(
            QRectF(legX - 0.1 * legWidth, area.bottom() - 0.32 * unit, legWidth * 1.3, 0.32 * unit),
            3, 3);
    }
    painter.setBrush(ToQColor(kit.colours[1]));
    painter.drawRect(QRectF(torso.left() + 0.06 * shoulders, torso.bottom() - 0.1 * unit,
                            0.88 * shoulders, 1.0 * unit));

    // Arms in skin, covered by the sleeves: short ones end above the elbow.
    painter.setBrush(skin);
    painter.drawRoundedRect(leftArm, 4, 4);
    painter.drawRoundedRect(rightArm, 4, 4);
    const double sleeve = look.longSleeves ? 2.45 * unit : 0.8 * unit;
    // Sloping shoulders and a slightly narrower waist.
    QPolygonF body;
    body << QPointF(torso.left() + 0.16 * shoulders, torso.top())
         << QPointF(torso.right() - 0.16 * shoulders, torso.top())
         << QPointF(torso.right(), torso.top() + 0.35 * unit)
         << QPointF(torso.right() - 0.06 * shoulders, torso.bottom())
         << QPointF(torso.left() + 0.06 * shoulders, torso.bottom())
         << QPointF(torso.left(), torso.top() + 0.35 * unit);
    QPainterPath shirt;
    shirt.addPolygon(body);
    shirt.addRect(QRectF(leftArm.topLeft(), QSizeF(armWidth, sleeve)));
    shirt.addRect(QRectF(rightArm.topLeft(), QSizeF(armWidth, sleeve)));
    FillShirt(painter, shirt.simplified(), kit);

    // Neck, collar and head.
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin);
    painter.drawRect(QRectF(x - 0.2 * unit, top + 0.85 * unit, 0.4 * unit, 0.35 * unit));
    PaintCollar(painter, QRectF(x - 0.3 * unit, top + 1.0 * unit, 0.6 * unit, 0.3 * unit), kit);
    PaintFace(painter, QRectF(x - 0.45 * unit, top, 0.9 * unit, unit), look);
}

}  // namespace kw::render

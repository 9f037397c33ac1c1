#include "gui/editors/club/KitColourButton.h"

#include <QPainter>
#include <QPixmap>

#include "gui/editors/club/DlgClubShirtsColor.h"

namespace kw {

namespace {

constexpr int kSwatchSide = 16;

}  // namespace

CKitColourButton::CKitColourButton(const QString& text, const CTeamColourTextFile& teamColours,
                                   QWidget* parent)
    : QPushButton(text, parent), m_teamColours(teamColours) {
    setIconSize(QSize(kSwatchSide, kSwatchSide));
    ShowColour();
    connect(this, &QPushButton::clicked, this, &CKitColourButton::Pick);
}

void CKitColourButton::Load(SKitRgb colour) {
    m_colour = colour;
    m_loaded = colour;
    ShowColour();
}

void CKitColourButton::Pick() {
    CDlgClubShirtsColor dialog(m_teamColours, m_colour, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == m_colour) {
        return;
    }
    m_colour = dialog.Chosen();
    ShowColour();
    emit ColourChanged();
}

void CKitColourButton::ShowColour() {
    QPixmap swatch(kSwatchSide, kSwatchSide);
    swatch.fill(QColor(m_colour.red, m_colour.green, m_colour.blue));
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, kSwatchSide - 1, kSwatchSide - 1);
    painter.end();
    setIcon(QIcon(swatch));
    setToolTip(QStringLiteral("#%1%2%3")
                   .arg(m_colour.red, 2, 16, QLatin1Char('0'))
                   .arg(m_colour.green, 2, 16, QLatin1Char('0'))
                   .arg(m_colour.blue, 2, 16, QLatin1Char('0'))
                   .toUpper());
}

}  // namespace kw

#include "gui/editors/club/DlgClubShirtsColor.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "gui/controls/ControlText.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kSwatchWidth = 36;
constexpr int kSwatchHeight = 24;
constexpr int kShownSide = 64;

QString StyleFor(SKitRgb colour) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);")
        .arg(colour.red)
        .arg(colour.green)
        .arg(colour.blue);
}

QSpinBox* ComponentBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, 255);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

CDlgClubShirtsColor::CDlgClubShirtsColor(const CTeamColourTextFile& teamColours, SKitRgb current,
                                         QWidget* parent)
    : CDialogB(parent),
      m_red(ComponentBox(this, "red")),
      m_green(ComponentBox(this, "green")),
      m_blue(ComponentBox(this, "blue")),
      m_shown(new QFrame(this)) {
    setObjectName(QStringLiteral("DlgClubShirtsColor"));
    setWindowTitle(tr("Trikot Farbauswahl"));

    auto* paletteBox = new QGroupBox(tr("Gr&undfarben"), this);
    auto* grid = new QGridLayout(paletteBox);
    const auto palette = KitPalette(teamColours);
    for (std::size_t index = 0; index < palette.size(); ++index) {
        const SPaletteColour& entry = palette[index];
        auto* swatch = new QToolButton(paletteBox);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(index));
        swatch->setFixedSize(kSwatchWidth, kSwatchHeight);
        swatch->setStyleSheet(StyleFor(entry.colour));
        swatch->setToolTip(Cp1252ToQString(entry.name));
        swatch->setAccessibleName(Cp1252ToQString(entry.name));
        const SGridCell cell = KitPaletteCell(static_cast<int>(index));
        grid->addWidget(swatch, cell.row, cell.column);
        const SKitRgb colour = entry.colour;
        connect(swatch, &QToolButton::clicked, this, [this, colour] { SetColour(colour); });
    }

    auto* partsBox = new QGroupBox(tr("Farbe"), this);
    auto* parts = new QFormLayout(partsBox);
    parts->addRow(tr("&Rot:"), m_red);
    parts->addRow(tr("&Grün:"), m_green);
    parts->addRow(tr("&Blau:"), m_blue);
    m_shown->setObjectName(QStringLiteral("chosenColour"));
    m_shown->setFrameShape(QFrame::Box);
    m_shown->setFixedSize(kShownSide, kShownSide);
    parts->addRow(m_shown);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ResourceQString(ids::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(ResourceQString(ids::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgClubShirtsColor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgClubShirtsColor::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(paletteBox, 0, 0);
    layout->addWidget(partsBox, 0, 1, Qt::AlignTop);
    layout->addWidget(buttons, 1, 0, 1, 2);

    for (QSpinBox* box : {m_red, m_green, m_blue}) {
        connect(box, &QSpinBox::valueChanged, this, &CDlgClubShirtsColor::ShowChosen);
    }
    SetColour(current);
}

SKitRgb CDlgClubShirtsColor::Chosen() const {
    return {static_cast<std::uint8_t>(m_red->value()), static_cast<std::uint8_t>(m_green->value()),
            static_cast<std::uint8_t>(m_blue->value())};
}

void CDlgClubShirtsColor::SetColour(SKitRgb colour) {
    {
        const QSignalBlocker red(m_red);
        const QSignalBlocker green(m_green);
        const QSignalBlocker blue(m_blue);
        m_red->setValue(colour.red);
        m_green->setValue(colour.green);
        m_blue->setValue(colour.blue);
    }
    ShowChosen();
}

void CDlgClubShirtsColor::ShowChosen() {
    m_shown->setStyleSheet(QStringLiteral("QFrame { %1 }").arg(StyleFor(Chosen())));
}

}  // namespace kw

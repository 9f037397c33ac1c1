#include "gui/editors/country/CountryPageParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/controls/ControlText.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"

namespace kw {

CValueScrollBar* AddValueBarRow(QGridLayout* grid, const QString& text, const QString& name,
                                int maximum) {
    QWidget* parent = grid->parentWidget();
    auto* bar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setPageStep(10);
    bar->setMinimumWidth(bar->fontMetrics().averageCharWidth() * 20);
    auto* number = new QLabel(parent);
    number->setObjectName(name + QStringLiteral("Number"));
    // Room for the widest number, so the row does not move while the bar does.
    number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(bar, &CValueScrollBar::BarValueChanged, number,
                     [number](int value) { number->setText(QString::number(value)); });
    number->setText(QString::number(bar->Value()));
    const int row = grid->rowCount();
    auto* label = new QLabel(text, parent);
    label->setBuddy(bar);
    grid->addWidget(label, row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(number, row, 2);
    return bar;
}

void SetSpinName(CSpinEditCtrl& spin, const QString& name) {
    spin.setAccessibleName(name);
    spin.Field()->setAccessibleName(name);
}

void FillChoiceCombo(QComboBox& combo, std::span<const SEditChoice> choices) {
    combo.clear();
    for (const SEditChoice& choice : choices) {
        combo.addItem(Cp1252ToQString(choice.text), choice.value);
    }
}

void SelectChoice(QComboBox& combo, int value) {
    combo.setCurrentIndex(combo.findData(value));
}

int ShownChoice(const QComboBox& combo, int stored) {
    return combo.currentIndex() >= 0 ? combo.currentData().toInt() : stored;
}

}  // namespace kw

#include "gui/editors/player/PageFields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/player/DateFields.h"
#include "gui/editors/player/DateSpinFields.h"

namespace kw {

namespace {

// The text without its mnemonic marker; "&&" stands for an ampersand.
QString WithoutMnemonic(QString text) {
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0;
         at = text.indexOf(QLatin1Char('&'), at + 1)) {
        text.remove(at, 1);
    }
    return text;
}

// The helpers serve the person pages; their texts are translated with the pages' base class.
QString Translated(const char* text) {
    return QCoreApplication::translate("kw::CPlayerPage", text);
}

}  // namespace

void AddFieldRow(QGridLayout* grid, const QString& text, QWidget* field, QWidget* beside) {
    const int row = grid->rowCount();
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    NameTypingFields(*field, text);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, 1, beside == nullptr ? 2 : 1);
    if (beside != nullptr) {
        grid->addWidget(beside, row, 2);
    }
}

void NameTypingFields(QWidget& field, const QString& name) {
    const QString shown = WithoutMnemonic(name);
    if (auto* spin = qobject_cast<CSpinEditCtrl*>(&field)) {
        spin->Field()->setAccessibleName(shown);
        return;
    }
    std::array<CSpinEditCtrl*, 3> parts{};
    if (auto* date = qobject_cast<CDateSpinFields*>(&field)) {
        parts = {&date->Day(), &date->Month(), &date->Year()};
    } else if (auto* date = qobject_cast<CDateFields*>(&field)) {
        parts = {date->DayField(), date->MonthField(), date->YearField()};
    } else {
        return;
    }
    const std::array<QString, 3> partNames = {
        Translated(QT_TRANSLATE_NOOP("kw::CPlayerPage", "%1, Tag")),
        Translated(QT_TRANSLATE_NOOP("kw::CPlayerPage", "%1, Monat")),
        Translated(QT_TRANSLATE_NOOP("kw::CPlayerPage", "%1, Jahr"))};
    for (std::size_t part = 0; part < parts.size(); ++part) {
        parts[part]->Field()->setAccessibleName(partNames[part].arg(shown));
    }
}

QLabel* MakeClubNameLabel(QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString(24, QChar('M'))));
    return label;
}

QPushButton* MakeChooseClubButton(QWidget* parent, const QString& objectName) {
    auto* button =
        new QPushButton(Translated(QT_TRANSLATE_NOOP("kw::CPlayerPage", "Wähle Verein")), parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeChooseClubButton(QWidget* parent, const QString& objectName, const QString& row) {
    QPushButton* button = MakeChooseClubButton(parent, objectName);
    button->setAccessibleName(Translated(QT_TRANSLATE_NOOP("kw::CPlayerPage", "%1: Wähle Verein"))
                                  .arg(WithoutMnemonic(row)));
    return button;
}

}  // namespace kw

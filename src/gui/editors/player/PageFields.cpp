#include "gui/editors/player/PageFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kw {

void AddFieldRow(QGridLayout* grid, const QString& text, QWidget* field, QWidget* beside) {
    const int row = grid->rowCount();
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, 1, beside == nullptr ? 2 : 1);
    if (beside != nullptr) {
        grid->addWidget(beside, row, 2);
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
    auto* button = new QPushButton(QStringLiteral("Wähle Verein"), parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace kw

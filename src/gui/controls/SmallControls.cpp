#include "gui/controls/SmallControls.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace kw {

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeBuddy(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

QString WithoutMnemonic(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            text.remove(i, 1);
        }
    }
    return text;
}

}  // namespace kw

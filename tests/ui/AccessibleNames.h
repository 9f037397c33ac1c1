// The texts a user meets in a window, as a screen reader announces them.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace kw::test {

// The accessible names of the window's widgets: a label's text, a button's caption, a field by
// the label that is its buddy (mnemonic ampersands dropped).
inline QStringList AccessibleNames(const QWidget& window) {
    QStringList names;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (const QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(widget)) {
            names << accessible->text(QAccessible::Name);
        }
    }
    return names;
}

}  // namespace kw::test

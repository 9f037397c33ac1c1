#include "gui/editors/player/PageTyping.h"

#include <QApplication>
#include <QWidget>

namespace kw {

void FinishTyping(const QWidget& page) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && page.isAncestorOf(focus)) {
        focus->clearFocus();
        focus->setFocus();
    }
}

}  // namespace kw

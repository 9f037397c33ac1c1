#include "gui/controls/DialogB.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

#include "forms/MenuCaption.h"
#include "forms/SpinEditValue.h"

namespace kw {

CDialogB::CDialogB(QWidget* parent, ERole role) : QDialog(parent) {
    if (role == ERole::Page) {
        // QDialog makes itself a window; a page is an ordinary child.
        setWindowFlags(Qt::Widget);
    }
}

void CDialogB::Disable() {
    setEnabled(false);
}

void CDialogB::Enable() {
    setEnabled(true);
}

bool CDialogB::ClampEditToSpin(QLineEdit& edit, int lower, int upper) {
    const auto bound = ClampedEditValue(edit.text().toStdString(), lower, upper);
    if (!bound) {
        return false;
    }
    edit.setText(QString::number(*bound));
    return true;
}

QAction* CDialogB::AddMenuItemFromControl(QMenu& menu, QAbstractButton& control, bool enabled) {
    QAction* action = menu.addAction(control.text().left(kMenuCaptionLimit));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &control, &QAbstractButton::click);
    return action;
}

bool CDialogB::ShowContextMenu(const QWidget& control, QMenu& menu, const QPoint& globalPos) {
    if (!control.rect().contains(control.mapFromGlobal(globalPos))) {
        return false;
    }
    menu.popup(globalPos);
    return true;
}

QPixmap CDialogB::MakeDragImage(const QString& text) const {
    if (text.isEmpty()) {
        return {};
    }
    const QFontMetrics metrics(font());
    const qreal ratio = devicePixelRatioF();
    const QSize size(metrics.horizontalAdvance(text) + 1, metrics.height());
    QPixmap image(size * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

void CDialogB::NotifyListUpdate() {
    emit ListUpdate();
}

void CDialogB::keyPressEvent(QKeyEvent* event) {
    const bool closingKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                            event->key() == Qt::Key_Escape;
    if (closingKey && IsPage()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kw

// Driving modal dialogs from a test: a modal dialog runs an event loop of its own, so the test
// arranges beforehand what to do once the dialog shows.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kw::test {

// Runs `act` on the modal widget of type T once one shows; the polling belongs to `scope`. A
// failed check leaves `act` early, so a dialog still open afterwards is rejected rather than
// left waiting for ever.
template <typename T>
void WhenModal(QObject& scope, std::function<void(T&)> act) {
    auto* timer = new QTimer(&scope);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QPointer<T> open(dialog);
            act(*dialog);
            if (open && open->isVisible()) {
                open->reject();
            }
        }
    });
    timer->start(10);
}

// Types `text` into the focused `widget` key by key, also letters beyond ASCII (which
// QTest::keyClicks refuses): each as the key of its upper-case letter carrying the letter.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar letter : text) {
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(letter.toUpper().unicode()),
                            QString(letter), Qt::NoModifier);
    }
}

// Types the name into the file dialog's name field and presses Return until the dialog takes it
// (not for a name the dialog may refuse and stay open on).
// The dialog lists its folder on a thread of its own: the listing may arrive later and clear the
// field, and the list of completions may open over the dialog and take the Return key (Escape
// closes only the list). A message box that the name leads to may end the dialog's loop first.
inline void TypeFileName(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPointer<QFileDialog> open(&dialog);
    for (int attempt = 0; attempt < 100 && open && open->isVisible(); ++attempt) {
        if (edit->text() != name) {
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, name);
        }
        QCompleter* completer = edit->completer();
        if (completer != nullptr && completer->popup()->isVisible()) {
            QTest::keyClick(completer->popup(), Qt::Key_Escape);
        }
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::qWait(50);
    }
    QVERIFY(!open || !open->isVisible());
}

}  // namespace kw::test

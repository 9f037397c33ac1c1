#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace kw {

// A push button named `name` (tests find it by that) that Enter presses only when it is made the
// dialog's default button.
QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent);

// A label naming `control`: its mnemonic moves the focus there, and screen readers give the
// control its text as name.
QLabel* MakeBuddy(const QString& text, QWidget* control, QWidget* parent = nullptr);

// A caption as a screen reader says it: the mnemonic marks dropped, "&&" read as "&".
QString WithoutMnemonic(QString text);

}  // namespace kw

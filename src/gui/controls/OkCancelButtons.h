#pragma once

class QDialog;
class QDialogButtonBox;

namespace kw {

// The dialog's "OK" (the default button) and "Abbruch" row, named "buttons", wired to the
// dialog's accept and reject; the caller places it in its layout.
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog);

}  // namespace kw

#pragma once

class QWidget;

namespace kw {

// A control for a value that no record keeps (neither the database files nor the game have a
// field for it) is shown empty, so it never shows an unrelated number, and disabled, with the
// tool tip that says why. Spin fields, line edits, labels, combos and check boxes are emptied;
// any other control is only disabled.
void ShowNotStored(QWidget& control);

// The same control on a record that keeps the value: enabled and without that tool tip (the
// caller shows the value).
void ShowStored(QWidget& control);

}  // namespace kw

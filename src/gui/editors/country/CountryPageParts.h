#pragma once

#include <span>

#include "editing/EditChoice.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QString;
class QWidget;

namespace kw {

class CSpinEditCtrl;
class CValueScrollBar;

// What the country pages lay out alike.

// A horizontal bar over 0..maximum with its number in a label beside it, in a new row of the grid
// under the label text.
CValueScrollBar* AddValueBarRow(QGridLayout* grid, const QString& text, const QString& name,
                                int maximum);

// Names the numeric field for a screen reader, which reads the name from the line edit that
// takes the typing.
void SetSpinName(CSpinEditCtrl& spin, const QString& name);

// The combo's items are the choices' texts with their values as item data.
void FillChoiceCombo(QComboBox& combo, std::span<const SEditChoice> choices);
// Selects the item of the value; no item when the list does not offer it.
void SelectChoice(QComboBox& combo, int value);
// The selected item's value; `stored` when no item is selected, so a value the list cannot show
// stays as it is.
int ShownChoice(const QComboBox& combo, int stored);

}  // namespace kw

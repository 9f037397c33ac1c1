#pragma once

class QGridLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace kw {

// What the person pages lay out alike.

// A labelled row of a grid: the label (its buddy the field) in column 0, the field in column 1
// and, when given, a control beside it in column 2; without one the field takes both columns.
// The label's text also names the typing fields of a spin field or date fields (NameTypingFields).
void AddFieldRow(QGridLayout* grid, const QString& text, QWidget* field, QWidget* beside = nullptr);
// A label's buddy names the control for screen readers, but not the line edits inside a spin
// field (CSpinEditCtrl) or date fields (CDateFields, CDateSpinFields): they take `name` (its
// mnemonic dropped), the date's three fields with their part ("Geburtsdatum, Tag"). Other
// controls are left as they are.
void NameTypingFields(QWidget& field, const QString& name);
// The framed name of a chosen club, wide enough for the names the pages show.
QLabel* MakeClubNameLabel(QWidget* parent, const QString& objectName);
// "Wähle Verein", never the page's default button. A page with several of them names each by its
// row (`row`: "Geliehen von: Wähle Verein"), so that screen readers tell them apart.
QPushButton* MakeChooseClubButton(QWidget* parent, const QString& objectName, const QString& row);
QPushButton* MakeChooseClubButton(QWidget* parent, const QString& objectName);

}  // namespace kw

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
void AddFieldRow(QGridLayout* grid, const QString& text, QWidget* field, QWidget* beside = nullptr);
// The framed name of a chosen club, wide enough for the names the pages show.
QLabel* MakeClubNameLabel(QWidget* parent, const QString& objectName);
// "Wähle Verein", never the page's default button.
QPushButton* MakeChooseClubButton(QWidget* parent, const QString& objectName);

}  // namespace kw

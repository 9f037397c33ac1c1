#pragma once

#include <functional>
#include <span>
#include <vector>

#include <QString>

#include "forms/ListColumns.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace kw {

class CMyListBox;

// What the country window's person lists lay out alike: a column list with its headings and the
// buttons "Neu", "Ändern", "Löschen" beside it.

// Gives the list its columns and a width that shows them; the headings over them.
QHBoxLayout* PersonListHeadings(CMyListBox& list, std::span<const SListColumn> columns,
                                const std::vector<QString>& headings, QWidget* parent);
// The buttons one below the other. None is the default button: Enter in the list changes the
// selected row (OnRowActivated), elsewhere it belongs to the window.
QVBoxLayout* PersonListCommands(QPushButton& create, QPushButton& change, QPushButton& remove);
// A double click on a row, and Enter while a row is current, call `change`. The list keeps that
// Enter to itself: passed on, it would also confirm (and close) the window around the page.
void OnRowActivated(CMyListBox& list, std::function<void()> change);
// The page's layout: headings and list on the left, the commands on the right.
void LayOutPersonList(QWidget& page, QHBoxLayout* headings, CMyListBox& list,
                      QVBoxLayout* commands);

}  // namespace kw

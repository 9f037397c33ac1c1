#pragma once

#include <functional>

class QAbstractItemView;
class QPoint;

namespace kw {

// Opens a list's context menu on what the user points at, the same way in every list. A right
// button press on a row makes it the current row and selects it before the menu opens, so the
// menu's commands act on that row; in a list with several selected rows a row that is already
// selected keeps the selection, so they act on all of them. A press below the rows changes
// nothing. The context menu key and Shift+F10 open the menu at the current row (scrolled into
// view), or in the middle of the list without one. `open` gets the global position for the menu.
//
// The list's context menu events are taken over: the platform's one for the menu key opens the
// menu like the key (its key press then goes to the open menu), the one after a right button
// press is dropped, since the press has opened the menu already.
void ConnectContextMenu(QAbstractItemView& list, std::function<void(const QPoint&)> open);

}  // namespace kw

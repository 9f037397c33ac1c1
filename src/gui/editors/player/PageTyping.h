#pragma once

class QWidget;

namespace kw {

// A numeric field takes what is typed into it when it is left. A page that is stored while the
// user is still typing (another player chosen with the keyboard, the dialog closed) lets the field
// take the text first; the focus stays where it was.
void FinishTyping(const QWidget& page);

}  // namespace kw

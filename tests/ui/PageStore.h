// Storing an editor page from a test as the window around it would.
#pragma once

#include "gui/editors/EditorPage.h"

namespace kw::test {

// Stores the page; true when it held a change, which the store then wrote.
inline bool Stored(IEditorPage& page) {
    const bool differs = page.Differs();
    page.Store();
    return differs;
}

}  // namespace kw::test

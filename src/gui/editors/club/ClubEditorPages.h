#pragma once

#include <vector>

class QWidget;

namespace kw {

class CClubPage;
struct SClubEditContext;

// What the pages need to know of the application beyond the club.
struct SClubEditorOptions {
    // The general page's language combo may be used.
    bool languageSelection = false;
};

struct SClubEditorPage {
    CClubPage* page = nullptr;  // owned by `parent`
    int titleId = 0;            // its tab's title in the string table
};

// The club editor's pages in tab order, all working on `context`.
std::vector<SClubEditorPage> MakeClubEditorPages(SClubEditContext& context,
                                                 const SClubEditorOptions& options,
                                                 QWidget* parent);

}  // namespace kw

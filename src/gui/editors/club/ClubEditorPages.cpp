#include "gui/editors/club/ClubEditorPages.h"

#include "gui/controls/GuiStrings.h"
#include "gui/editors/club/DlgClub.h"
#include "gui/editors/club/DlgClubBadge.h"
#include "gui/editors/club/DlgClubHist.h"
#include "gui/editors/club/DlgClubShirts.h"
#include "gui/editors/club/DlgClubStadium.h"
#include "platform/StringTable.h"

namespace kw {

std::vector<SClubEditorPage> MakeClubEditorPages(SClubEditContext& context,
                                                 const SClubEditorOptions& options,
                                                 QWidget* parent) {
    return {
        {new CDlgClub(context, options.languageSelection, parent), ids::kClubPageGeneral},
        {new CDlgClubBadge(context, parent), ids::kClubPageBadge},
        {new CDlgClubShirts(context, parent), ids::kClubPageKits},
        {new CDlgClubStadium(context, parent), ids::kClubPageStadium},
        {new CDlgClubHist(context, parent), ids::kClubPageHistory},
    };
}

}  // namespace kw

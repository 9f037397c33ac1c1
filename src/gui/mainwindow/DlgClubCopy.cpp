#include "gui/mainwindow/DlgClubCopy.h"

#include "gui/controls/GuiStrings.h"
#include "model/Club.h"
#include "platform/StringTable.h"

namespace kw {

CDlgClubCopy::CDlgClubCopy(std::uint32_t mask, QWidget* parent)
    : CCopyGroupsDialog(ids::kClubCopyCaption,
                        {
                            {ids::kClubCopyGeneral, clubcopy::kGeneral},
                            {ids::kClubCopyFinances, clubcopy::kFinances},
                            {ids::kClubCopyAddress, clubcopy::kAddress},
                            {ids::kClubCopyAttendance, clubcopy::kAttendance},
                            {ids::kClubCopyBadge, clubcopy::kBadge},
                            {ids::kClubCopyKit, clubcopy::kKit},
                            {ids::kClubCopyStadium, clubcopy::kStadium},
                            {ids::kClubCopyLocation, clubcopy::kLocation},
                            {ids::kClubCopySurroundings, clubcopy::kSurroundings},
                            {ids::kClubCopyTransfers, clubcopy::kTransfers},
                            {ids::kClubCopyHistory, clubcopy::kHistory},
                            {ids::kClubCopyFirstTeam, clubcopy::kFirstTeam},
                            {ids::kClubCopySecondTeam, clubcopy::kSecondTeam},
                            {ids::kClubCopyStaff, clubcopy::kStaff},
                        },
                        mask, parent) {}

}  // namespace kw

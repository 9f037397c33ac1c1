#include "gui/mainwindow/DlgCountryCopy.h"

#include "gui/controls/GuiStrings.h"
#include "model/Country.h"
#include "platform/StringTable.h"

namespace kw {

CDlgCountryCopy::CDlgCountryCopy(std::uint32_t mask, QWidget* parent)
    : CCopyGroupsDialog(ids::kCountryCopyCaption,
                        {
                            {ids::kCountryCopyGeneral, 0x2},
                            {ids::kCountryCopyYouth, 0x4},
                            {ids::kCountryCopyReferees, 0x8},
                            {ids::kCountryCopyStadiums, 0x10},
                            {ids::kCountryCopyManagers, 0x20},
                            {ids::kCountryCopyClubs, countrycopy::kClubs},
                        },
                        mask, parent) {}

}  // namespace kw

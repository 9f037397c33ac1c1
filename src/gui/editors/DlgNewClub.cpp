#include "gui/editors/DlgNewClub.h"

#include "gui/controls/GuiStrings.h"
#include "platform/StringTable.h"

namespace kw {

CDlgNewClub::CDlgNewClub(QWidget* parent) : CDlgInputBox(parent) {
    SetPrompt(ids::kNewClubPrompt, std::string_view());
    SetMaxLength(kMaxNameLength);
    setObjectName(QStringLiteral("DlgNewClub"));
}

}  // namespace kw

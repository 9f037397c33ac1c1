#include "gui/controls/DlgErrorSingle.h"

#include "gui/controls/GuiStrings.h"
#include "platform/StringTable.h"

namespace kw {

CDlgErrorSingle::CDlgErrorSingle(QWidget* parent)
    : CDlgMessageList(ids::kAttentionCaption, parent) {}

}  // namespace kw

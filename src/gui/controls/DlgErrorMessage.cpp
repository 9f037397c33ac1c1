#include "gui/controls/DlgErrorMessage.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"

namespace kw {

CDlgErrorMessage::CDlgErrorMessage(QWidget* parent)
    : CDlgMessageList(ids::kHintCaption, parent),
      m_cancel(Buttons()->addButton(ResourceQString(ids::kCancel), QDialogButtonBox::RejectRole)) {}

void CDlgErrorMessage::SetButtonTexts(int okStringId, int cancelStringId) {
    if (okStringId != 0) {
        OkButton()->setText(ResourceQString(okStringId));
    }
    if (cancelStringId != 0) {
        m_cancel->setText(ResourceQString(cancelStringId));
    }
}

}  // namespace kw

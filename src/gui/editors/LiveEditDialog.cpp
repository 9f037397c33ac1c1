#include "gui/editors/LiveEditDialog.h"

#include <utility>

namespace kw {

CLiveEditDialog::CLiveEditDialog(CDatabaseDocument& document, std::string description,
                                 QWidget* parent)
    : CDialogB(parent), m_group(document, std::move(description)) {}

void CLiveEditDialog::done(int result) {
    CDialogB::done(result);
    m_group.Close();
}

}  // namespace kw

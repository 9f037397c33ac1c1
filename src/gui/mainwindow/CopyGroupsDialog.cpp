#include "gui/mainwindow/CopyGroupsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"

namespace kw {

CCopyGroupsDialog::CCopyGroupsDialog(int captionId, const std::vector<SGroup>& groups,
                                     std::uint32_t mask, QWidget* parent)
    : CDialogB(parent) {
    setWindowTitle(FromCp1252(GuiString(captionId)));
    auto* layout = new QVBoxLayout(this);
    for (const SGroup& group : groups) {
        auto* box = new QCheckBox(FromCp1252(GuiString(group.labelId)), this);
        box->setObjectName(QStringLiteral("group%1").arg(group.value, 0, 16));
        box->setChecked((mask & group.value) != 0);
        layout->addWidget(box);
        m_boxes.emplace_back(box, group.value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(FromCp1252(GuiString(ids::kAbort)));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::uint32_t CCopyGroupsDialog::Mask() const {
    std::uint32_t mask = 0;
    for (const auto& box : m_boxes) {
        if (box.first->isChecked()) {
            mask |= box.second;
        }
    }
    return mask;
}

}  // namespace kw

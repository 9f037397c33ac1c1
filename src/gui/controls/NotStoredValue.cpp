#include "gui/controls/NotStoredValue.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/SpinEditCtrl.h"

namespace kw {

void ShowNotStored(QWidget& control) {
    if (auto* spin = qobject_cast<CSpinEditCtrl*>(&control)) {
        spin->Clear();
    } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        edit->clear();
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        combo->setCurrentIndex(-1);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control);
               button != nullptr && button->isCheckable()) {
        button->setChecked(false);
    }
    control.setEnabled(false);
    control.setToolTip(ResourceQString(ids::kValueNotStored));
}

void ShowStored(QWidget& control) {
    control.setEnabled(true);
    control.setToolTip(QString());
}

}  // namespace kw

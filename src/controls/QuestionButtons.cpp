#include "controls/QuestionButtons.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace kw {

void NameQuestionButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "&Ja"},           {QMessageBox::No, "&Nein"},
        {QMessageBox::Save, "&Speichern"},   {QMessageBox::Discard, "&Verwerfen"},
        {QMessageBox::Cancel, "&Abbrechen"},
    };
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QString::fromUtf8(name));
        }
    }
}

}  // namespace kw

#include "gui/controls/QuestionButtons.h"

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

bool AskYesNo(QWidget* parent, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    NameQuestionButtons(box);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace kw

#include "gui/controls/QuestionButtons.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace kw {

void NameQuestionButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("kw::QuestionButtons", "&Ja")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("kw::QuestionButtons", "&Nein")},
        {QMessageBox::Save, QT_TRANSLATE_NOOP("kw::QuestionButtons", "&Speichern")},
        {QMessageBox::Discard, QT_TRANSLATE_NOOP("kw::QuestionButtons", "&Verwerfen")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("kw::QuestionButtons", "&Abbrechen")},
    };
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QCoreApplication::translate("kw::QuestionButtons", name));
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

#include "gui/mainwindow/QtUserInterface.h"

#include <QMessageBox>

#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/QuestionButtons.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

QString Caption() {
    return FromCp1252(GuiString(ids::kApplicationTitle));
}

}  // namespace

CQtUserInterface::CQtUserInterface(QWidget* parent) : m_parent(parent) {}

bool CQtUserInterface::AskYesNo(std::string_view question) {
    return kw::AskYesNo(m_parent, Caption(), FromCp1252(question));
}

ESaveChoice CQtUserInterface::AskSaveChanges(std::string_view question) {
    QMessageBox box(QMessageBox::Question, Caption(), FromCp1252(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    NameQuestionButtons(box);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return ESaveChoice::kSave;
        case QMessageBox::Discard:
            return ESaveChoice::kDiscard;
        default:  // also Escape and the close box
            return ESaveChoice::kCancel;
    }
}

void CQtUserInterface::ShowInformation(std::string_view text) {
    QMessageBox::information(m_parent, Caption(), FromCp1252(text));
}

void CQtUserInterface::ShowError(std::string_view text) {
    QMessageBox::warning(m_parent, Caption(), FromCp1252(text));
}

void CQtUserInterface::ShowErrorList(std::string_view heading,
                                     const std::vector<std::string>& lines) {
    CDlgErrorSingle dialog(m_parent);
    dialog.SetHeading(heading);
    for (const std::string& line : lines) {
        dialog.AddText(line);
    }
    dialog.exec();
}

}  // namespace kw

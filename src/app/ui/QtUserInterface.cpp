#include "app/ui/QtUserInterface.h"

#include <QMessageBox>

#include "app/ui/QtText.h"
#include "controls/DlgErrorSingle.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

QString Caption() {
    return FromCp1252(ResourceString(ids::kApplicationTitle));
}

}  // namespace

CQtUserInterface::CQtUserInterface(QWidget* parent) : m_parent(parent) {}

bool CQtUserInterface::AskYesNo(std::string_view question) {
    const auto answer = QMessageBox::question(m_parent, Caption(), FromCp1252(question),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
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

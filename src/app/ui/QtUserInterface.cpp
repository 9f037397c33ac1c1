#include "app/ui/QtUserInterface.h"

#include <QMessageBox>
#include <QStringList>

#include "app/ui/QtText.h"
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
    QMessageBox box(QMessageBox::Warning, Caption(), FromCp1252(heading), QMessageBox::Ok,
                    m_parent);
    QStringList details;
    for (const std::string& line : lines) {
        details << FromCp1252(line);
    }
    // Long lists would make the box taller than the screen; the details area scrolls.
    box.setDetailedText(details.join(QLatin1Char('\n')));
    box.exec();
}

}  // namespace kw

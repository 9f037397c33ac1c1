// The main window's "Datenbanken vergleichen".
#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/World.h"

namespace kw {

void DlgMainMenu::CompareDatabases() {
    if (m_slots->Count() < 2) {
        return;
    }
    std::vector<CDlgDatabaseDiff::SDatabase> databases;
    int current = 0;
    for (int index = 0; index < m_slots->Count(); ++index) {
        const CDatabaseDocument* document = m_slots->Slot(index);
        databases.push_back({QStringLiteral("%1 %2").arg(index + 1).arg(
                                 QString::fromStdString(document->World().DirectoryName())),
                             document});
        if (document == m_document) {
            current = index;
        }
    }
    CDlgDatabaseDiff dialog(std::move(databases), current, this);
    dialog.exec();
}

}  // namespace kw

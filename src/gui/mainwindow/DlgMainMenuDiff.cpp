// The main window's "Datenbanken vergleichen" and its change packages, which carry a comparison
// from one database to another.
#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/ChangePackageCommands.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/World.h"

namespace kw {

namespace {

// Every open database labelled "<slot> <folder>", and which of them is `shown`.
std::vector<CDlgDatabaseDiff::SDatabase> LabelledDatabases(const CDatabaseSlots& open,
                                                           const CDatabaseDocument* shown,
                                                           int& current) {
    std::vector<CDlgDatabaseDiff::SDatabase> databases;
    current = 0;
    for (int index = 0; index < open.Count(); ++index) {
        const CDatabaseDocument* document = open.Slot(index);
        databases.push_back({QStringLiteral("%1 %2").arg(index + 1).arg(
                                 QString::fromStdString(document->World().DirectoryName())),
                             document});
        if (document == shown) {
            current = index;
        }
    }
    return databases;
}

}  // namespace

void DlgMainMenu::CompareDatabases() {
    if (m_slots->Count() < 2) {
        return;
    }
    int current = 0;
    std::vector<CDlgDatabaseDiff::SDatabase> databases =
        LabelledDatabases(*m_slots, m_document, current);
    CDlgDatabaseDiff dialog(std::move(databases), current, this);
    dialog.exec();
}

void DlgMainMenu::MakePackage() {
    int current = 0;
    const std::vector<CDlgDatabaseDiff::SDatabase> databases =
        LabelledDatabases(*m_slots, m_document, current);
    MakeChangePackageCommand(databases, current, m_ui, this);
}

void DlgMainMenu::PackageUnsavedChanges() {
    if (m_document != m_placeholderDocument) {
        PackageUnsavedChangesCommand(*m_document, m_ui, this);
    }
}

void DlgMainMenu::ApplyPackage() {
    ApplyChangePackageCommand(*m_document, m_ui, this);
}

}  // namespace kw

// The main window's assistants of its own files: the databases opened last, the players without
// club, the fast transfers, the duplicate finder and the player comparison.
#include <filesystem>
#include <string>

#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerCompare.h"
#include "gui/editors/DlgPlayerWithoutClub.h"
#include "gui/editors/PlayerDouble.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "gui/mainwindow/MainMenuView.h"
#include "gui/mainwindow/RecentDatabasesMenu.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

void DlgMainMenu::OpenRecentDatabase(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        const std::string message(GuiString(ids::kRecentDatabaseMissing));
        // Messages are Windows-1252 like the string table; the folder's name is UTF-8.
        m_ui.ShowError(FormatPrintf(message.c_str(), Utf8ToCp1252(folder.string()).c_str()));
        m_recent->Forget(folder);
        return;
    }
    OpenFolder(folder);
}

void DlgMainMenu::ShowFastTransfers() {
    CDlgFastTransfer::Show(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::ShowPlayersWithoutClub() {
    CDlgPlayerWithoutClub::Show(*m_document, m_view->SelectedCountry(), this);
    // The selected club may have taken players: its row and the totals are read again.
    m_view->ShowWorld();
}

void DlgMainMenu::ShowDuplicates() {
    CPlayerDouble::Show(m_document->World(), m_document->Language(), m_view->SelectedCountry(),
                        m_view->SelectedClub(), this);
}

void DlgMainMenu::ShowComparison() {
    CDlgPlayerCompare::Show(m_document->World(), m_document->Language(), m_view->SelectedCountry(),
                            this);
}

}  // namespace kw

#pragma once

#include <cstdint>
#include <filesystem>

#include "gui/editors/LiveEditDialog.h"

class QTabWidget;

namespace kw {

class CDlgManagerList;
class CInstallationData;
class CPersonPageTabs;
class CRenderManager;

// The club's staff: the manager list in a tab on the left, the pages of the chosen person on the
// right, "Doppelt?" (the listed persons entered twice, by name and birth date), "Suchen" (greyed
// until the search exists) and OK. The dialog edits the live club: one undo takes back the
// session "Personal", a session only looked at leaves no edit.
class CDlgManagAll : public CLiveEditDialog {
    Q_OBJECT

public:
    CDlgManagAll(CDatabaseDocument& document, std::uint32_t clubId,
                 const CInstallationData& installation, CRenderManager* renderer,
                 std::filesystem::path installDirectory, QWidget* parent = nullptr);

    // Opens the dialog for the club (not for a national team or an unknown club) and runs it.
    static void Edit(CDatabaseDocument& document, std::uint32_t clubId,
                     const CInstallationData& installation, CRenderManager* renderer,
                     const std::filesystem::path& installDirectory, QWidget* parent);

    CDlgManagerList& ManagerList() const { return *m_managers; }
    CPersonPageTabs& Pages() const { return *m_pages; }
    std::uint32_t CurrentPerson() const;
    // "Doppelt?": the message list of the pairs found among the listed persons.
    void ShowDuplicates();
    // "Suchen": the player search with this club as the target club.
    void SearchPlayers();

    void done(int result) override;

private:
    CDatabaseDocument& m_document;
    std::uint32_t m_clubId;
    QTabWidget* m_lists = nullptr;
    CDlgManagerList* m_managers = nullptr;
    CPersonPageTabs* m_pages = nullptr;
};

}  // namespace kw

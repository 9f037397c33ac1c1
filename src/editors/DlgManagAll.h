#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "controls/DialogB.h"
#include "editors/player/PlayerEditContext.h"
#include "editors/player/PlayerPages.h"

class QPushButton;
class QTabWidget;

namespace kw {

class CDlgManagerList;
class CMyTabCtrl;

// The club's staff: the manager list in a tab on the left, the pages of the chosen person on the
// right, "Doppelt?" (the listed persons entered twice, by name and birth date), "Suchen" (greyed
// until the search exists) and OK. The dialog edits the live club inside one group of the
// document, opened with the dialog and closed when it closes: one undo takes back the session,
// a session only looked at leaves no edit. Escape and the close box close like OK.
class CDlgManagAll : public CDialogB {
    Q_OBJECT

public:
    CDlgManagAll(CDatabaseDocument& document, std::uint32_t clubId,
                 const CInstallationData& installation, CRenderManager* renderer,
                 std::filesystem::path installDirectory, QWidget* parent = nullptr);
    ~CDlgManagAll() override;

    // Opens the dialog for the club (not for a national team or an unknown club) and runs it.
    static void Edit(CDatabaseDocument& document, std::uint32_t clubId,
                     const CInstallationData& installation, CRenderManager* renderer,
                     const std::filesystem::path& installDirectory, QWidget* parent);

    CDlgManagerList& ManagerList() const { return *m_managers; }
    CMyTabCtrl& Pages() const { return *m_pages; }
    std::uint32_t CurrentPerson() const { return m_current; }
    // "Doppelt?": the message list of the pairs found among the listed persons.
    void ShowDuplicates();
    // "Suchen": the player search with this club as the target club.
    void SearchPlayers();

    void done(int result) override;

private:
    void StoreShownPage();
    void ShowPerson(std::uint32_t personId);
    void PersonChosen(std::uint32_t personId);

    CDatabaseDocument& m_document;
    std::uint32_t m_clubId;
    SPlayerEditContext m_context;
    bool m_groupOpen = false;
    std::uint32_t m_current = 0;
    QTabWidget* m_lists = nullptr;
    CDlgManagerList* m_managers = nullptr;
    CMyTabCtrl* m_pages = nullptr;
    std::vector<SPlayerPageTab> m_pageTabs;
};

}  // namespace kw

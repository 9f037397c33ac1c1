// The main window's quick find: the search bar above the lists and showing a chosen hit in them.
#include "gui/mainwindow/MainMenuView.h"
#include "gui/mainwindow/QuickFindBar.h"

namespace kw {

CQuickFindBar* CMainMenuView::CreateQuickFind() {
    m_quickFind = new CQuickFindBar(this);
    connect(m_quickFind, &CQuickFindBar::hitChosen, this, [this](const SFindHit& hit) {
        ShowFound(hit);
        emit foundOpenRequested(hit);
    });
    return m_quickFind;
}

void CMainMenuView::ShowFound(const SFindHit& hit) {
    ShowInLists(hit.country, hit.club);
}

}  // namespace kw

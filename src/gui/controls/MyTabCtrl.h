#pragma once

#include <QTabWidget>

#include <functional>
#include <utility>

namespace kw {

class CDialogB;

// Tabs that swap the pages of an editor dialog. Each page scrolls when the window is lower than
// the page (CScrollingPage), so tabs of tall pages fit a small screen.
//
// Before a page is left, the owner's leave query is asked with the page's index (owners store the
// page's fields there); when it answers false the page stays and the tab goes back to it. Once a
// page is shown, PageEntered tells the owner, which loads the page from its record. A page's
// ListUpdate notification is passed on as the tab control's ListUpdate.
class CMyTabCtrl : public QTabWidget {
    Q_OBJECT

public:
    using LeaveQuery = std::function<bool(int index)>;

    explicit CMyTabCtrl(QWidget* parent = nullptr);

    // Adds a page (the tabs take it over); returns its index.
    int AddPage(CDialogB* page, const QString& label);
    // The page of the tab at `index`; null for none.
    CDialogB* Page(int index) const;
    // Without a query every page may be left.
    void SetLeaveQuery(LeaveQuery query) { m_leaveQuery = std::move(query); }

signals:
    void PageEntered(int index);
    void ListUpdate();

private:
    void CurrentChanged(int index);

    LeaveQuery m_leaveQuery;
    int m_current = -1;
    bool m_returning = false;
};

}  // namespace kw

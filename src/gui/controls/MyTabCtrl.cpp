#include "gui/controls/MyTabCtrl.h"

#include "gui/controls/DialogB.h"
#include "gui/controls/ScrollingPage.h"
#include "gui/controls/SmallControls.h"

namespace kw {

CMyTabCtrl::CMyTabCtrl(QWidget* parent) : QTabWidget(parent) {
    // What a screen reader says for the page list; a window with several names them apart.
    setAccessibleName(tr("Seiten"));
    connect(this, &QTabWidget::currentChanged, this, &CMyTabCtrl::CurrentChanged);
}

int CMyTabCtrl::AddPage(CDialogB* page, const QString& label) {
    connect(page, &CDialogB::ListUpdate, this, &CMyTabCtrl::ListUpdate);
    auto* scrolling = new CScrollingPage(page);
    // The scroll area takes the focus where the page offers none; it is named by its tab.
    scrolling->setAccessibleName(WithoutMnemonic(label));
    return addTab(scrolling, label);
}

CDialogB* CMyTabCtrl::Page(int index) const {
    return qobject_cast<CDialogB*>(TabPage(*this, index));
}

void CMyTabCtrl::CurrentChanged(int index) {
    if (m_returning) {
        return;
    }
    // QTabWidget has switched already; a refusal switches back before anything is drawn.
    const bool mayLeave = m_current < 0 || !m_leaveQuery || m_leaveQuery(m_current);
    if (!mayLeave) {
        m_returning = true;
        setCurrentIndex(m_current);
        m_returning = false;
        return;
    }
    m_current = index;
    if (index >= 0) {
        emit PageEntered(index);
    }
}

}  // namespace kw

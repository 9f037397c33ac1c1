#include "gui/editors/player/PersonPageTabs.h"

#include "gui/editors/EditorPage.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"

namespace kw {

CPersonPageTabs::CPersonPageTabs(const SPlayerEditContext& context, QWidget* parent)
    : CMyTabCtrl(parent), m_context(context) {
    setObjectName(QStringLiteral("pages"));
    setAccessibleName(tr("Seiten der Person"));
    StoreOnLeave(*this, EOnEnter::kKeep);
    for (const SPlayerPageTab& tab : MakePlayerPages(m_context, this)) {
        AddPage(tab.page, tr(tab.title));
        connect(tab.page, &CPlayerPage::playerChanged, this, &CPersonPageTabs::personChanged);
    }
}

void CPersonPageTabs::ChoosePerson(std::uint32_t personId) {
    StoreShownPage();
    ShowPerson(personId);
}

void CPersonPageTabs::ShowPerson(std::uint32_t personId) {
    m_person = personId;
    for (int tab = 0; tab < count(); ++tab) {
        qobject_cast<CPlayerPage*>(Page(tab))->SetPlayer(personId);
    }
}

void CPersonPageTabs::StoreShownPage() {
    kw::StoreShownPage(*this);
}

}  // namespace kw

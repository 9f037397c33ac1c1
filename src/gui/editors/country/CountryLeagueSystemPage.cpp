#include "gui/editors/country/CountryLeagueSystemPage.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/editors/LeagueSystemPage.h"

namespace kw {

CCountryLeagueSystemPage::CCountryLeagueSystemPage(CDatabaseDocument& document,
                                                   const CBaseTextFile& leagueSystems, int country,
                                                   QWidget* parent)
    : CCountryPage(parent), m_page(new CLeagueSystemPage(document, leagueSystems, country, this)) {
    setObjectName(QStringLiteral("CountryLeagueSystemPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    setFocusProxy(m_page);
    m_page->Levels().setAccessibleName(tr("Spielklassen und Ligen"));
}

void CCountryLeagueSystemPage::Load() {
    m_page->Refresh();
}

}  // namespace kw

#include "editors/country/CountryStadiumsPage.h"

#include <QVBoxLayout>

#include "editors/DlgStadiumlist.h"

namespace kw {

CCountryStadiumsPage::CCountryStadiumsPage(CDatabaseDocument& document, int country,
                                           QWidget* parent)
    : CCountryPage(parent),
      m_stadiums(new CDlgStadiumlist(document, country, this, CDialogB::ERole::Page)) {
    setObjectName(QStringLiteral("CountryStadiumsPage"));
    // The host window takes its caption from the page.
    setWindowTitle(m_stadiums->windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stadiums);
}

void CCountryStadiumsPage::Load() {
    m_stadiums->Reload();
}

}  // namespace kw

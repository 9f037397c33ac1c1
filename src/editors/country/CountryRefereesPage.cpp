#include "editors/country/CountryRefereesPage.h"

#include <QVBoxLayout>

#include "editors/DlgReferees.h"

namespace kw {

CCountryRefereesPage::CCountryRefereesPage(CDatabaseDocument& document, int country,
                                           QWidget* parent)
    : CCountryPage(parent),
      m_referees(new CDlgReferees(document, country, this, CDialogB::ERole::Page)) {
    setObjectName(QStringLiteral("CountryRefereesPage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_referees);
}

void CCountryRefereesPage::Load() {
    m_referees->Reload();
}

}  // namespace kw

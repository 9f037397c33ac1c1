#include "gui/editors/country/CountryListPages.h"

#include <QVBoxLayout>

#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgStadiumlist.h"

namespace kw {

CCountryListPage::CCountryListPage(
    const std::function<CCountryRecordList*(QWidget* page)>& makeList, QWidget* parent)
    : CCountryPage(parent), m_list(makeList(this)) {
    setWindowTitle(m_list->windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
}

void CCountryListPage::Load() {
    m_list->Reload();
}

CCountryRefereesPage::CCountryRefereesPage(CDatabaseDocument& document, int country,
                                           QWidget* parent)
    : CCountryListPage(
          [&document, country](QWidget* page) {
              return new CDlgReferees(document, country, page, CDialogB::ERole::Page);
          },
          parent) {
    setObjectName(QStringLiteral("CountryRefereesPage"));
    RecordList().List().setAccessibleName(tr("Schiedsrichterliste"));
}

CDlgReferees& CCountryRefereesPage::Referees() const {
    return static_cast<CDlgReferees&>(RecordList());
}

CCountryStadiumsPage::CCountryStadiumsPage(CDatabaseDocument& document, int country,
                                           QWidget* parent)
    : CCountryListPage(
          [&document, country](QWidget* page) {
              return new CDlgStadiumlist(document, country, page, CDialogB::ERole::Page);
          },
          parent) {
    setObjectName(QStringLiteral("CountryStadiumsPage"));
    RecordList().List().setAccessibleName(tr("Stadienliste"));
}

CDlgStadiumlist& CCountryStadiumsPage::Stadiums() const {
    return static_cast<CDlgStadiumlist&>(RecordList());
}

}  // namespace kw

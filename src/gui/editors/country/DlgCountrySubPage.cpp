#include "gui/editors/country/DlgCountrySubPage.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/country/CountryCoachPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/CountryPage.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

CDlgCountrySubPage::CDlgCountrySubPage(CDatabaseDocument& document, int country, CCountryPage* page,
                                       QWidget* parent)
    : CLiveEditDialog(document, CountryEditName(document, country), parent), m_page(page) {
    setObjectName(QStringLiteral("DlgCountrySubPage"));
    setWindowTitle(page->windowTitle());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* layout = new QVBoxLayout(this);
    page->setParent(this);
    layout->addWidget(page, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCountrySubPage::accept);
    m_page->Load();
}

void CDlgCountrySubPage::Show(CDatabaseDocument& document, int country,
                              const SCountryWindowContext& context, QWidget* parent,
                              const PageFactory& make) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    CDlgCountrySubPage dialog(document, country, make(document, country, context, nullptr), parent);
    dialog.exec();
}

void CDlgCountrySubPage::ShowStadiums(CDatabaseDocument& document, int country,
                                      const SCountryWindowContext& context, QWidget* parent) {
    Show(document, country, context, parent,
         [](CDatabaseDocument& doc, int number, const SCountryWindowContext&, QWidget* owner) {
             return new CCountryStadiumsPage(doc, number, owner);
         });
}

void CDlgCountrySubPage::ShowNationalCoach(CDatabaseDocument& document, int country,
                                           const SCountryWindowContext& context, QWidget* parent) {
    Show(document, country, context, parent,
         [](CDatabaseDocument& doc, int number, const SCountryWindowContext&, QWidget* owner) {
             return new CCountryCoachPage(doc, number, owner);
         });
}

void CDlgCountrySubPage::done(int result) {
    m_page->Store();
    CLiveEditDialog::done(result);
}

}  // namespace kw

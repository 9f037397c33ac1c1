#include "gui/editors/country/DlgCountry.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/controls/ScrollingPage.h"
#include "gui/editors/EditorPage.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/CountryGeneralPage.h"
#include "gui/editors/country/CountryLeagueSystemPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/CountryLookPage.h"
#include "gui/editors/country/CountryManagersPage.h"
#include "gui/editors/country/CountryPage.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/CountryYouthPage.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// The tab's page in its scroll area, which a screen reader names by the tab.
CScrollingPage* ScrollingTabPage(QWidget* page, int tab) {
    auto* scrolling = new CScrollingPage(page);
    scrolling->setAccessibleName(ResourceQString(ids::kCountryTabGeneral + tab));
    return scrolling;
}

}  // namespace

CDlgCountry::CDlgCountry(CDatabaseDocument& document, int country, QWidget* parent)
    : CLiveEditDialog(document, CountryEditName(document, country), parent),
      m_document(document),
      m_country(country),
      m_tabs(new CMyTabCtrl(this)) {
    setObjectName(QStringLiteral("DlgCountry"));
    setWindowTitle(ResourceQString(ids::kCountryWindowCaption));

    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(windowTitle());
    for (int tab = 0; tab < kTabCount; ++tab) {
        QWidget* page = nullptr;
        if (tab == kGeneral) {
            page = new CCountryGeneralPage(document, country, m_tabs);
        } else if (tab == kCups) {
            page = new CCountryCupsPage(document, country, m_tabs);
        } else if (tab == kReferees) {
            page = new CCountryRefereesPage(document, country, m_tabs);
        } else if (tab == kLook) {
            page = new CCountryLookPage(document, country, m_tabs);
        } else {
            // Pages that need the installation come with AddInstallationPages.
            page = new QWidget(m_tabs);
        }
        m_tabs->addTab(ScrollingTabPage(page, tab), ResourceQString(ids::kCountryTabGeneral + tab));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCountry::accept);
    StoreOnLeave(*m_tabs, EOnEnter::kLoad);
}

void CDlgCountry::Edit(CDatabaseDocument& document, int country,
                       const SCountryWindowContext& context, QWidget* parent) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    CDlgCountry dialog(document, country, parent);
    dialog.AddInstallationPages(context);
    FitToScreen(dialog);
    dialog.exec();
}

void CDlgCountry::AddInstallationPages(const SCountryWindowContext& context) {
    SetPage(kLeagueSystem,
            new CCountryLeagueSystemPage(
                m_document, context.installation.TextTables().LeagueSystems(), m_country));
    SetPage(kYouth, new CCountryYouthPage(m_document, m_country, context));
    SetPage(kManagers, new CCountryManagersPage(m_document, m_country, context));

    // The two pages the window carries outside its tabs.
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QPushButton* coach =
        buttons->addButton(tr("Nat&ionaltrainer..."), QDialogButtonBox::ActionRole);
    coach->setObjectName(QStringLiteral("nationalCoach"));
    connect(coach, &QPushButton::clicked, this, [this, context] {
        CDlgCountrySubPage::ShowNationalCoach(m_document, m_country, context, this);
    });
    QPushButton* stadiums = buttons->addButton(tr("Sta&dien..."), QDialogButtonBox::ActionRole);
    stadiums->setObjectName(QStringLiteral("stadiums"));
    connect(stadiums, &QPushButton::clicked, this, [this, context] {
        CDlgCountrySubPage::ShowStadiums(m_document, m_country, context, this);
        if (CCountryPage* page = Page(m_tabs->currentIndex())) {
            page->Load();
        }
    });
}

void CDlgCountry::SetPage(int tab, CCountryPage* page) {
    if (tab < 0 || tab >= kTabCount || page == nullptr) {
        return;
    }
    const QSignalBlocker quiet(m_tabs);
    const int shown = m_tabs->currentIndex();
    QWidget* old = m_tabs->widget(tab);
    m_tabs->removeTab(tab);
    delete old;
    m_tabs->insertTab(tab, ScrollingTabPage(page, tab),
                      ResourceQString(ids::kCountryTabGeneral + tab));
    m_tabs->setCurrentIndex(shown);
    if (tab == shown) {
        page->Load();
    }
}

CCountryPage* CDlgCountry::Page(int tab) const {
    return qobject_cast<CCountryPage*>(TabPage(*m_tabs, tab));
}

void CDlgCountry::done(int result) {
    StoreShownPage(*m_tabs);
    CLiveEditDialog::done(result);
}

}  // namespace kw

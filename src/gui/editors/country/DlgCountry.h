#pragma once

#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/LiveEditDialog.h"

namespace kw {

class CCountryPage;
class CDatabaseDocument;
struct SCountryWindowContext;

// "Land Einstellungen": one country's pages as tabs ("Allgemeine Informationen", "Ligasystem",
// "Pokal", "Jugendspieler", "Schiedsrichter", "Sonstige Trainer/Manager", "Spieler Aussehen").
// Everything done while the window is open is one undoable edit named after the country. Leaving a
// tab stores its page and entering one loads it; OK, Escape and the close box store the current
// page and close the window.
class CDlgCountry : public CLiveEditDialog {
    Q_OBJECT

public:
    enum Tab { kGeneral, kLeagueSystem, kCups, kYouth, kReferees, kManagers, kLook, kTabCount };

    CDlgCountry(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    // Runs the window for the country, with every page, until it is closed.
    static void Edit(CDatabaseDocument& document, int country, const SCountryWindowContext& context,
                     QWidget* parent);

    // The pages that need the installation: "Ligasystem" (the league-system table) and the
    // person pages.
    void AddInstallationPages(const SCountryWindowContext& context);

    // Puts `page` in place of the tab's page (the window takes it); the page is loaded when it is
    // the one shown.
    void SetPage(int tab, CCountryPage* page);
    // The tab's page; nothing while the tab holds no page.
    CCountryPage* Page(int tab) const;
    CMyTabCtrl& Tabs() const { return *m_tabs; }

    void done(int result) override;

private:
    CDatabaseDocument& m_document;
    int m_country;
    CMyTabCtrl* m_tabs;
};

}  // namespace kw

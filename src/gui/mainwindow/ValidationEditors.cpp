#include "gui/mainwindow/ValidationEditors.h"

#include <QTabWidget>

#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/club/DlgClubParent.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/DlgCountry.h"
#include "model/World.h"

namespace kw {

namespace {

int CountryTab(ECountryPage page) {
    switch (page) {
        case ECountryPage::kLeagueSystem:
            return CDlgCountry::kLeagueSystem;
        case ECountryPage::kCups:
            return CDlgCountry::kCups;
        case ECountryPage::kYouth:
            return CDlgCountry::kYouth;
        case ECountryPage::kGeneral:
            break;
    }
    return CDlgCountry::kGeneral;
}

}  // namespace

bool SValidationEditors::Open(CDatabaseDocument& document, const SFindingTarget& target,
                              QWidget* parent) const {
    const CClub* club = target.country >= 1 && target.country <= kCountryCount
                            ? document.World().Country(target.country).Club(target.club)
                            : nullptr;
    const bool clubExists = club != nullptr;
    switch (target.kind) {
        case ETargetKind::kClubEditor: {
            if (!clubExists) {
                return false;
            }
            CDlgClubParent dialog(document, *club, installation, renderer, cityDirectory,
                                  {languageSelection}, parent);
            dialog.exec();
            return true;
        }
        case ETargetKind::kSquad: {
            if (!clubExists) {
                return false;
            }
            CDlgPlayerlistClub dialog(document, target.club, installation, renderer,
                                      installDirectory, parent);
            dialog.exec();
            return true;
        }
        case ETargetKind::kCountryWindow: {
            if (target.country < 1 || target.country > kCountryCount) {
                return false;
            }
            CDlgCountry dialog(document, target.country, parent);
            dialog.AddInstallationPages({installation, renderer, installDirectory});
            dialog.Tabs().setCurrentIndex(CountryTab(target.page));
            dialog.exec();
            return true;
        }
        case ETargetKind::kCalendar:
            CDlgCalendar::Edit(document, target.country, parent);
            return true;
        case ETargetKind::kFixtures:
            CDlgFixturelist::Edit(document, target.country, parent, target.league);
            return true;
        case ETargetKind::kNone:
            break;
    }
    return false;
}

}  // namespace kw

#include <functional>

#include "SceneList.h"
#include "gui/controls/ControlsGallery.h"
#include "gui/editors/DlgNewClub.h"
#include "gui/editors/country/DlgCountry.h"

namespace kw::screens {

namespace {

// One of the dialogs the controls gallery opens, by its place in the gallery's list.
SceneFunction GalleryDialog(std::size_t index) {
    return [index](CSceneContext&) {
        auto dialogs = MakeControlsGalleryDialogs();
        return Shown(std::move(dialogs.at(index)));
    };
}

}  // namespace

// One line per window or dialog: its name (the PNG is <name>.png, and <name>-<tab>.png for each
// tab page) and the function that builds and shows it. A dialog that needs nothing but a parent:
//     {"DlgExample", [](CSceneContext&) { return Shown(std::make_unique<CDlgExample>()); }},
const std::vector<SScene>& Scenes() {
    using enum EDemo;
    static const std::vector<SScene> scenes = {
        {"DlgMainMenu", ShowDlgMainMenu},
        {"DlgMainMenuFull", ShowDlgMainMenuFull},
        {"DlgMainMenuLang", ShowDlgMainMenuLang},
        // Before the scenes of the shared renderer: a main window loads and unloads one of its own.
        {"QuickFind", ShowQuickFind},
        {"SplashScreen", ShowSplashScene},
        {"DlgLongtimeOperation", ShowLongtimeOperation},
        {"RenderPreviewKits", ShowRenderPreviewKits},
        {"RenderPreviewLook", ShowRenderPreviewLook},
        {"ControlsGallery", [](CSceneContext&) { return Shown(MakeControlsGallery()); }},
        {"DlgErrorMessage", GalleryDialog(0)},
        {"DlgErrorSingle", GalleryDialog(1)},
        {"DlgInputBox", GalleryDialog(2)},
        {"DlgNewClub", [](CSceneContext&) { return Shown(std::make_unique<CDlgNewClub>()); }},
        {"DlgDatabaseCopy", ShowDlgDatabaseCopy},
        {"DlgClubCopy", ShowDlgClubCopy},
        {"DlgCountryCopy", ShowDlgCountryCopy},
        {"DlgSelectDatabase", ShowDlgSelectDatabase},
        {"DlgNewDatabase", ShowDlgNewDatabase},
        {"DlgClubParent", ShowDlgClubParent},
        {"DlgShirtNo", ShowDlgShirtNo},
        {"DlgChairman", ShowDlgChairman},
        {"DlgClubBadgeManage", ShowDlgClubBadgeManage},
        {"DlgClubShirtsColor", ShowDlgClubShirtsColor},
        {"PlayerPagesA", ShowPlayerPagesA},
        {"PlayerPagesB", ShowPlayerPagesB},
        {"DlgPlayerlistClub", std::bind_front(SquadScene, kSmall)},
        {"DlgPlayerlistClubFull", std::bind_front(SquadScene, kFull)},
        {"DlgSelectClub", ShowDlgSelectClub},
        {"DlgPlayerSelect", ShowDlgPlayerSelect},
        {"DlgPlayerAllRightTrainer", std::bind_front(StaffPageScene, 1)},
        {"DlgPlayerAllRightPresident", std::bind_front(StaffPageScene, 3)},
        {"DlgPlayerAllRightStaff", std::bind_front(StaffPageScene, 13)},
        {"DlgLeagueComposition", std::bind_front(LeagueCompositionScene, kSmall)},
        {"DlgLeagueCompositionFull", std::bind_front(LeagueCompositionScene, kFull)},
        {"DlgLeagueSystem", std::bind_front(LeagueSystemScene, kFull, false)},
        {"DlgLeagueData", std::bind_front(LeagueSystemScene, kFull, true)},
        {"DlgLeagueSystemSmall", std::bind_front(LeagueSystemScene, kSmall, false)},
        {"DlgLeagueDataSmall", std::bind_front(LeagueSystemScene, kSmall, true)},
        {"DlgCalendar", ShowDlgCalendar},
        {"DlgStadiumlist", ShowDlgStadiumlist},
        {"DlgStadium", ShowDlgStadium},
        {"DlgReferees", ShowDlgReferees},
        {"DlgRefereeChange", ShowDlgRefereeChange},
        {"Dlg5Year", ShowDlg5Year},
        {"Dlg5YearChange", ShowDlg5YearChange},
        {"DlgNationalteam", ShowDlgNationalteam},
        {"DlgManagerList", ShowDlgManagerList},
        {"DlgManagAll", ShowDlgManagAll},
        {"DlgPlayerSelectStaff", ShowDlgPlayerSelectStaff},
        {"DlgRegelaenderung", ShowDlgRegelaenderung},
        {"DlgLevelName", ShowDlgLevelName},
        {"DlgInterfaceLanguage", ShowDlgInterfaceLanguage},
        {"DlgFixturelist", ShowDlgFixturelist},
        {"DlgStadiumSelect", ShowDlgStadiumSelect},
        {"DlgCountryGeneral", std::bind_front(CountryWindowScene, kSmall, CDlgCountry::kGeneral)},
        {"DlgCountryLook", std::bind_front(CountryWindowScene, kSmall, CDlgCountry::kLook)},
        {"DlgCountryGeneralFull",
         std::bind_front(CountryWindowScene, kFull, CDlgCountry::kGeneral)},
        {"DlgCountryReferees", ShowDlgCountryReferees},
        {"DlgCountryCoach", std::bind_front(CountrySubPageScene, true)},
        {"DlgCountryStadiums", std::bind_front(CountrySubPageScene, false)},
        {"DlgCountryCups", ShowDlgCountryCups},
        {"DlgInternationalCompetition", ShowDlgInternationalCompetition},
        {"DlgCountryYouth", std::bind_front(CountryPersonScene, CDlgCountry::kYouth)},
        {"DlgCountryManagers", std::bind_front(CountryPersonScene, CDlgCountry::kManagers)},
        {"DlgPoolEntry", ShowDlgPoolEntry},
        {"DlgFurtherManager", ShowDlgFurtherManager},
        {"DlgStaffEntry", ShowDlgStaffEntry},
        {"DlgPlayerWithoutClub", ShowDlgPlayerWithoutClub},
        {"DlgFastTransfer", ShowDlgFastTransfer},
        {"PlayerDouble", ShowPlayerDouble},
        {"DlgPlayerCompare", ShowDlgPlayerCompare},
        {"DlgPlayerSearch", ShowDlgPlayerSearch},
        {"DlgSearchResult", ShowDlgSearchResult},
        {"DlgCsvExport", ShowDlgCsvExport},
        {"DlgCsvImportPreview", ShowDlgCsvImportPreview},
        {"AdminToolsMenu", ShowAdminToolsMenu},
        {"AdminToolsQuestion", ShowAdminToolsQuestion},
        {"AdminToolsResult", ShowAdminToolsResult},
        {"MappingQuestion", ShowMappingQuestion},
        {"MappingReportDialog", ShowMappingReportDialog},
        {"DlgDatabaseDiff", ShowDlgDatabaseDiff},
        {"DlgChangePackagePreview", ShowDlgChangePackagePreview},
        {"DlgChangePackageSource", ShowDlgChangePackageSource},
        {"DlgValidationReport", ShowDlgValidationReport},
    };
    return scenes;
}

}  // namespace kw::screens

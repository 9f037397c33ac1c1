// The club editor and what it opens, the person pages, the squad dialog and the choosers of clubs
// and players.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Scene.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/KitColours.h"
#include "editing/PersonClub.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/DlgChairman.h"
#include "gui/editors/DlgClubBadgeManage.h"
#include "gui/editors/DlgManagAll.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/DlgShirtNo.h"
#include "gui/editors/club/DlgClubParent.h"
#include "gui/editors/club/DlgClubShirtsColor.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kPresidentKind = 3;
constexpr int kPictureSize = 160;
constexpr int kBoardTab = 2;
constexpr QSize kSquadSize(1000, 620);

// A picture of the player's size: a blue-green gradient.
void WritePicture(const QString& file) {
    SImage image(kPictureSize, kPictureSize);
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            image.At(x, y) = Argb(40, static_cast<std::uint8_t>(80 + y / 2),
                                  static_cast<std::uint8_t>(120 + x / 2));
        }
    }
    const auto bytes = EncodeTga(image, 24, TgaCoding::Uncompressed);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("player picture not written");
    }
}

std::uint32_t PlayerWithCareer(const CDatabaseDocument& document, std::uint32_t club) {
    const CClub* found = document.World().Country(ClubCountry(club)).Club(club);
    if (found == nullptr) {
        throw std::runtime_error("demo club missing");
    }
    for (const CPlayer* person : found->FirstTeam()) {
        if (person->IsPlayer() && person->History().size() >= 2) {
            return person->Id();
        }
    }
    throw std::runtime_error("demo club without a player of two career stations");
}

// The person pages of `edit` in a tab control as the squad dialog holds them, on `player`.
std::unique_ptr<QWidget> PlayerPages(SPlayerEditContext& edit, std::uint32_t player) {
    auto* tabs = new CMyTabCtrl;
    for (const SPlayerPageTab& tab : MakePlayerPages(edit, tabs)) {
        tab.page->SetPlayer(player);
        tabs->AddPage(tab.page, QCoreApplication::translate("kw::CPersonPageTabs", tab.title));
    }
    return InWindow(tabs, QCoreApplication::translate("kw::CDlgClub", "Spieler"));
}

SPlayerEditContext& KeepEditContext(CDatabaseScene& scene, CRenderManager* renderer,
                                    std::filesystem::path pictures) {
    return scene.Keep(std::make_unique<SPlayerEditContext>(
        SPlayerEditContext{scene.Document(), scene.Installation(), renderer, std::move(pictures)}));
}

// "Persönliche Daten", "Fähigkeiten", "Charakter" and "Position" on the demo club's first
// player.
std::unique_ptr<QWidget> PlayerPagesA(CDatabaseScene& scene) {
    return PlayerPages(KeepEditContext(scene, nullptr, scene.App().installDirectory),
                       scene.Context().DemoPlayer().Id());
}

// "Vertrag", "Historie" and "Aussehen" on the demo club's first player with two career
// stations, and a picture of him below a folder of the scene's own.
std::unique_ptr<QWidget> PlayerPagesB(CDatabaseScene& scene) {
    const std::uint32_t player =
        PlayerWithCareer(scene.Document(), scene.Context().DemoClub().Id());
    const QTemporaryDir& pictures = scene.Keep(std::make_unique<QTemporaryDir>());
    if (!pictures.isValid() || !QDir(pictures.path()).mkpath(QStringLiteral("art/picture"))) {
        throw std::runtime_error("picture folder not made");
    }
    WritePicture(pictures.filePath(QStringLiteral("art/picture/emp-%1.tga").arg(player)));
    return PlayerPages(
        KeepEditContext(scene, &scene.Context().Renderer(), pictures.path().toStdString()), player);
}

// The personal-data page on the first person of the kind (1 a trainer, 3 a president, 13 a
// masseur) that a club holds: the staff panel of that kind.
std::unique_ptr<QWidget> StaffPage(int kind, CDatabaseScene& scene) {
    auto* page = new CDlgPlayerAllRight(
        KeepEditContext(scene, nullptr, scene.App().installDirectory), nullptr);
    auto window =
        InWindow(page, QCoreApplication::translate("kw::CPersonPageTabs", "Persönliche Daten"));
    const CWorld& world = scene.Document().World();
    for (const auto& entry : world.Persons()) {
        if (entry.second->Kind() == kind && ClubHoldingPerson(world, entry.first) != nullptr) {
            page->SetPlayer(entry.first);
            return window;
        }
    }
    throw std::runtime_error("the demo lacks a person of kind " + std::to_string(kind));
}

// The club of the first division of the scene country with the most persons.
std::uint32_t LargestFirstDivisionClub(CDatabaseScene& scene) {
    const CWorld& world = scene.Document().World();
    const CDBCompetition* league =
        world.Competition(MakeCompetitionId(kDefaultCountry, kLeagueType, 0));
    std::uint32_t largest = 0;
    std::size_t most = 0;
    for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
        if (league != nullptr && league->PositionOfTeam(entry.first) >= 0 &&
            entry.second->PersonIds().size() > most) {
            most = entry.second->PersonIds().size();
            largest = entry.first;
        }
    }
    if (largest == 0) {
        throw std::runtime_error("no first-division club");
    }
    return largest;
}

std::uint32_t DemoClub(CDatabaseScene& scene) {
    return scene.Context().DemoClub().Id();
}

// A dialog of the squad dialog's kind on the club of the demo that `club` picks.
template <typename Dialog>
std::unique_ptr<QWidget> SquadDialog(std::uint32_t (*club)(CDatabaseScene&),
                                     CDatabaseScene& scene) {
    return std::make_unique<Dialog>(scene.Document(), club(scene), scene.Installation(),
                                    &scene.Context().Renderer(), scene.App().installDirectory);
}

// The squad dialog of the demo club on its "Vorstand/Trainer" tab, the first staff person chosen.
std::unique_ptr<CShownScene> ShowDlgManagerList(CSceneContext& context) {
    auto scene =
        DocumentScene(EDemo::kSmall, std::bind_front(SquadDialog<CDlgPlayerlistClub>, DemoClub),
                      kSquadSize)(context);
    auto& dialog = static_cast<CDlgPlayerlistClub&>(scene->Widget());
    dialog.Teams().setCurrentIndex(kBoardTab);
    CMyListBox& list = dialog.ManagerList().List();
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
    return scene;
}

// The club chooser, and the person chooser for players or staff, starting at the demo club's
// country.
std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog =
        std::make_unique<CDlgSelectClub>(context.World(), kDefaultLanguage, club.Country());
    SelectRowOf(dialog->Clubs(), club.Id() | kSecondTeamFlag);
    dialog->resize(560, 420);
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> PlayerSelectScene(EPersonChoice choice, CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog = std::make_unique<CDlgPlayerSelect>(context.World(), kDefaultLanguage,
                                                     club.Country(), nullptr, choice);
    SelectRowOf(dialog->Clubs(), club.Id());
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

// The shirt numbers of the demo club's players.
std::unique_ptr<CShownScene> ShowDlgShirtNo(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    std::vector<CPlayer*> players = club.FirstTeam();
    const std::vector<CPlayer*> second = club.SecondTeam();
    players.insert(players.end(), second.begin(), second.end());
    return Shown(std::make_unique<CDlgShirtNo>(std::move(players)));
}

// The board-stability panel on the demo club's president, in a window of its own.
std::unique_ptr<CShownScene> ShowDlgChairman(CSceneContext& context) {
    CPlayer* president = &context.DemoPlayer();
    for (CPlayer* person : context.DemoClub().Staff()) {
        if (person->Kind() == kPresidentKind) {
            president = person;
            break;
        }
    }
    auto* panel = new CDlgChairman;
    panel->SetPerson(president);
    return Shown(InWindow(panel, QCoreApplication::translate("kw::CDlgChairman", "Vorstand")));
}

// The club editor on the demo club of country 14 (a badge, both kits), whole, as on a laptop's
// screen; the scenes' screen is smaller.
std::unique_ptr<QWidget> ClubEditor(CDatabaseScene& scene) {
    CDatabaseDocument& document = scene.Document();
    const std::uint32_t club = scene.Context().DemoClub().Id();
    auto dialog = std::make_unique<CDlgClubParent>(
        document, *document.World().Country(ClubCountry(club)).Club(club), scene.Installation(),
        &scene.Context().Renderer(), scene.App().cityDirectory, SClubEditorOptions{true});
    dialog->resize(dialog->sizeHint());
    return dialog;
}

// The badge selection on the demo club's badge, and the kit colour picker on its home shirt:
// both work on the installation's tables and badges.
std::unique_ptr<QWidget> BadgeSelection(CDatabaseScene& scene) {
    const CClub& club = scene.Context().DemoClub();
    return std::make_unique<CDlgClubBadgeManage>(
        scene.Installation().Tools(), scene.Context().World(), kDefaultLanguage,
        std::string(club.BadgePath().View()), club.Colour(0));
}

std::unique_ptr<QWidget> KitColourPicker(CDatabaseScene& scene) {
    const SKitRgb shirt = KitColour(scene.Context().DemoClub().Kit().Kit(0), EKitColour::kShirt);
    return std::make_unique<CDlgClubShirtsColor>(scene.Installation().TextTables().TeamColours(),
                                                 shirt);
}

}  // namespace

// The squad dialog on the largest first-division club of country 14 (every person page is a tab
// of it), and the club's staff: in the squad dialog, in its own dialog and in the person chooser.
std::vector<SScene> ClubScenes() {
    using enum EDemo;
    return {
        {"DlgClubParent", DocumentScene(kSmall, ClubEditor)},
        {"DlgShirtNo", ShowDlgShirtNo},
        {"DlgChairman", ShowDlgChairman},
        {"DlgClubBadgeManage", DocumentScene(kSmall, BadgeSelection)},
        {"DlgClubShirtsColor", DocumentScene(kSmall, KitColourPicker)},
        {"PlayerPagesA", DocumentScene(kSmall, PlayerPagesA)},
        {"PlayerPagesB", DocumentScene(kSmall, PlayerPagesB)},
        {"DlgPlayerlistClub",
         DocumentScene(kSmall,
                       std::bind_front(SquadDialog<CDlgPlayerlistClub>, LargestFirstDivisionClub),
                       kSquadSize)},
        {"DlgPlayerlistClubFull",
         DocumentScene(kFull,
                       std::bind_front(SquadDialog<CDlgPlayerlistClub>, LargestFirstDivisionClub),
                       kSquadSize)},
        {"DlgSelectClub", ShowDlgSelectClub},
        {"DlgPlayerSelect", std::bind_front(PlayerSelectScene, EPersonChoice::kPlayers)},
        {"DlgPlayerAllRightTrainer", DocumentScene(kSmall, std::bind_front(StaffPage, 1))},
        {"DlgPlayerAllRightPresident",
         DocumentScene(kSmall, std::bind_front(StaffPage, kPresidentKind))},
        {"DlgPlayerAllRightStaff", DocumentScene(kSmall, std::bind_front(StaffPage, 13))},
    };
}

std::vector<SScene> StaffScenes() {
    return {
        {"DlgManagerList", ShowDlgManagerList},
        {"DlgManagAll",
         DocumentScene(EDemo::kSmall, std::bind_front(SquadDialog<CDlgManagAll>, DemoClub),
                       kSquadSize)},
        {"DlgPlayerSelectStaff", std::bind_front(PlayerSelectScene, EPersonChoice::kStaff)},
    };
}

}  // namespace kw::screens

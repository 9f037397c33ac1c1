// The tools of the main window: transfers, duplicates and comparison of players, the search, the
// CSV exchange, the "AdminTools" menu, the ID mapping, the comparison of databases, change
// packages and the database check.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTreeWidget>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Scene.h"
#include "app/DatabaseSlots.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/editors/DlgChangePackagePreview.h"
#include "gui/editors/DlgCsvExport.h"
#include "gui/editors/DlgCsvImportPreview.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerCompare.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgPlayerWithoutClub.h"
#include "gui/editors/DlgSearchResult.h"
#include "gui/editors/PlayerCompareSide.h"
#include "gui/editors/PlayerDouble.h"
#include "gui/mainwindow/AdminToolsMenu.h"
#include "gui/mainwindow/DlgChangePackageSource.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/DlgValidationReport.h"
#include "gui/mainwindow/MappingCommands.h"
#include "gui/mainwindow/QtText.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "tools/AdminCommandTable.h"
#include "tools/ChangePackage.h"
#include "tools/ChangePackageApply.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"
#include "tools/CsvTable.h"
#include "tools/RakelMappingTexts.h"

namespace kw::screens {

namespace {

constexpr int kStriker = 17;
constexpr int kEngland = 50;
// Players released from the clubs of country 14 when the full demo has fewer without club.
constexpr int kWithoutClubShown = 14;

// "Spieler ohne Verein" on the full demo, a few players released first, two rows selected.
std::unique_ptr<QWidget> WithoutClubDialog(CDatabaseScene& scene) {
    scene.Document().Perform("scene", SWorldScope::Everything(), [](CWorld& world) {
        for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
            CClub& club = *entry.second;
            if (club.IsNationalTeam() || world.WithoutClub().Count() >= kWithoutClubShown) {
                continue;
            }
            const std::vector<CPlayer*> players = club.FirstTeam();
            if (!players.empty()) {
                RemovePersonFromClub(world, club, players.back()->Id(),
                                     EPersonRemoval::kWithoutClub);
            }
        }
        return true;
    });
    auto dialog = std::make_unique<CDlgPlayerWithoutClub>(scene.Document(), kDefaultCountry);
    QTreeWidget& list = dialog->List();
    if (list.topLevelItemCount() > 3) {
        list.setCurrentItem(list.topLevelItem(1));
        list.topLevelItem(3)->setSelected(true);
    }
    return dialog;
}

// "Schnelle Transfers" from country 14 with a player, a new country, a new club and its free
// numbers chosen.
std::unique_ptr<QWidget> FastTransferDialog(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgFastTransfer>(scene.Document(), kDefaultCountry);
    QTreeWidget& players = dialog->Players();
    if (players.topLevelItemCount() > 4) {
        players.setCurrentItem(players.topLevelItem(4));
    }
    QListWidget& countries = dialog->TargetCountries();
    for (int row = 0; row < countries.count(); ++row) {
        if (countries.item(row)->data(Qt::UserRole).toInt() != kDefaultCountry) {
            countries.setCurrentRow(row);
            break;
        }
    }
    if (dialog->TargetClubs().count() > 2) {
        dialog->TargetClubs().setCurrentRow(2);
    }
    return dialog;
}

// The duplicates of the whole full demo database.
std::unique_ptr<QWidget> PlayerDoubles(CDatabaseScene& scene) {
    return std::make_unique<CPlayerDouble>(scene.Document().World(), kDefaultLanguage, 0, 0);
}

// "Spielervergleich" with the first first-team strikers of two clubs of country 14, chosen on
// either side.
std::unique_ptr<CShownScene> ShowDlgPlayerCompare(CSceneContext& context) {
    const CWorld& world = context.World();
    auto dialog = std::make_unique<CDlgPlayerCompare>(world, kDefaultLanguage, kDefaultCountry);
    CPlayerCompareSide* side = &dialog->Left();
    for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
        for (const CPlayer* player : entry.second->FirstTeam()) {
            if (!entry.second->IsNationalTeam() && player->MainPosition() == kStriker) {
                side->Clubs().setCurrentIndex(side->Clubs().findData(entry.first));
                SelectRowOf(side->Players(), player->Id());
                if (side == &dialog->Right()) {
                    return Shown(std::move(dialog));
                }
                side = &dialog->Right();
                break;
            }
        }
    }
    throw std::runtime_error("no two strikers in the scene country");
}

std::unique_ptr<CShownScene> ShowDlgPlayerSearch(CSceneContext&) {
    auto dialog = std::make_unique<CDlgPlayerSearch>();
    auto* surname = dialog->findChild<QLineEdit*>(QStringLiteral("surname"));
    if (surname == nullptr) {
        throw std::runtime_error("no surname field");
    }
    surname->setText(QStringLiteral("M*"));
    return Shown(std::move(dialog));
}

// The result list of that search on the full demo, once the search has finished.
std::unique_ptr<QWidget> SearchResult(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgSearchResult>(scene.Document(),
                                                     SSearchCriteria{{}, "M*", {}}, 0, true);
    scene.ReadyWhen([&shown = *dialog] { return !shown.IsSearching(); });
    return dialog;
}

using Table = std::vector<std::vector<std::string>>;

const CClub& FirstClub(const CWorld& world) {
    for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
        if (!entry.second->IsNationalTeam() && entry.second->FirstTeam().size() >= 3) {
            return *entry.second;
        }
    }
    throw std::runtime_error("no club with players in country 14");
}

void SetCell(Table& table, std::size_t row, const std::string& column, const std::string& value) {
    const auto& header = table[0];
    const auto found = std::find(header.begin(), header.end(), column);
    if (found == header.end()) {
        throw std::runtime_error("no column " + column);
    }
    table[row][static_cast<std::size_t>(found - header.begin())] = value;
}

// The club's players file as a user might bring it back: two players edited, one row whose text
// is too long, one whose id names nobody.
std::string EditedFile(const CWorld& world, const CClub& club) {
    Table table;
    for (SCsvRow& row : ParseCsv(ExportCsv(world, ECsvKind::kPlayers, {0, club.Id()}).text).rows) {
        table.push_back(std::move(row.cells));
    }
    SetCell(table, 1, "ability0", "88");
    SetCell(table, 1, "shirtNumber1", "10");
    SetCell(table, 2, "nickname", "Der Blitz");
    SetCell(table, 2, "note", "Kam aus der eigenen Jugend.\nKapit\xC3\xA4n seit 2004.");
    SetCell(table, 3, "surname", "Zuvielbuchstabenimnachnamen");
    table.push_back(table[3]);
    table.back()[0] = "987654";
    SetCell(table, table.size() - 1, "ability3", "120");
    return WriteCsv(table);
}

// The CSV export choices on a club of the full demo's country 14, and the import preview of an
// edited players file of that club: changes and rejected rows.
std::unique_ptr<QWidget> CsvExport(CDatabaseScene& scene) {
    const CWorld& world = scene.Document().World();
    return std::make_unique<CDlgCsvExport>(world, kDefaultCountry, FirstClub(world).Id());
}

std::unique_ptr<QWidget> CsvImportPreview(CDatabaseScene& scene) {
    const CWorld& world = scene.Document().World();
    return std::make_unique<CDlgCsvImportPreview>(
        scene.Document(), PlanCsvImport(world, EditedFile(world, FirstClub(world))),
        QStringLiteral("spieler.csv"));
}

// A window with the "AdminTools" menu on a document of the demo database of its own. Not the
// main window: that one loads the renderer plug-in of its own and unloads it when it closes,
// under the plug-in that later scenes share.
class CAdminScene : public CShownScene {
public:
    explicit CAdminScene(CSceneContext& context) {
        auto world = std::make_unique<CWorld>(context.Installation());
        world->InitialiseCountries();
        CSilentProgress progress;
        world->Load(context.Installation() / "database", progress);
        m_document = std::make_unique<CDatabaseDocument>(std::move(world));
        m_window = std::make_unique<QMainWindow>();
        m_window->setWindowTitle(QStringLiteral("Editor"));
        m_window->resize(640, 120);
        AddAdminToolsMenu(*m_window->menuBar(),
                          {.document = [this]() -> CDatabaseDocument& { return *m_document; },
                           .selectedCountry = [] { return 14; },
                           .selectedClub = [] { return std::uint32_t{0}; },
                           .otherDatabase = [] { return static_cast<const CWorld*>(nullptr); },
                           .tools = [] { return static_cast<const CGlobalTools*>(nullptr); },
                           .buildPs2Master = [] {},
                           .ui = context.Ui(),
                           .window = m_window.get()});
    }

    QMainWindow& Window() { return *m_window; }
    CDatabaseDocument& Document() { return *m_document; }
    QWidget& Widget() override { return *m_shown; }

    // The menu opened.
    void ShowMenu() {
        m_window->show();
        for (QAction* action : m_window->menuBar()->actions()) {
            if (action->text() == QStringLiteral("AdminTools")) {
                action->menu()->popup(m_window->mapToGlobal(QPoint(0, 0)));
                m_shown = action->menu();
                return;
            }
        }
        throw std::runtime_error("no AdminTools menu");
    }

    // A message box as the window's user interface shows it, without a modal loop.
    void ShowBox(QMessageBox::Icon icon, const std::string& text,
                 QMessageBox::StandardButtons buttons) {
        auto* box = new QMessageBox(icon, FromCp1252(GuiString(ids::kApplicationTitle)),
                                    FromCp1252(text), buttons, m_window.get());
        box->show();
        m_shown = box;
    }

private:
    std::unique_ptr<CDatabaseDocument> m_document;
    std::unique_ptr<QMainWindow> m_window;
    QWidget* m_shown = nullptr;
};

// The demo database open twice, named as the main window names them.
std::vector<CDlgDatabaseDiff::SDatabase> TwoDatabases(CDatabaseSlots& copies) {
    return {{QStringLiteral("1 database"), copies.Slot(0)},
            {QStringLiteral("2 Kopie"), copies.Slot(1)}};
}

// The two databases as the diff window compares them: in the second one player changed, a club
// added and a referee gone.
std::unique_ptr<QWidget> DatabaseDiff(CDatabaseScene& scene) {
    CWorld& world = scene.Slots().Slot(1)->WorldForOperations();
    CCountry& country = world.Country(kDefaultCountry);
    const CClub& club = *std::next(country.Clubs().begin())->second;
    CPlayer& player = *world.Person(club.PersonIds().front());
    player.SetAbility(0, static_cast<std::uint8_t>(player.Abilities()[0] + 3));
    player.SetContractUntil(player.ContractUntil() + 1);
    country.CreateClub()->SetName(kDefaultLanguage, "SV Nebelstadt 2006");
    country.Referees().erase(country.Referees().begin());
    return std::make_unique<CDlgDatabaseDiff>(TwoDatabases(scene.Slots()), 0);
}

// "Änderungspaket anwenden" on the demo three times: the base, a changed copy whose package is
// shown, and the copy receiving it, which repeats one change, does another one otherwise and
// changed a referee the package removes; so that every class shows, conflicts among them.
std::unique_ptr<QWidget> ChangePackagePreview(CDatabaseScene& scene) {
    constexpr int kBase = 0;
    constexpr int kChanged = 1;
    constexpr int kReceiver = 2;
    CDatabaseSlots& copies = scene.Slots();
    const auto worldOf = [&copies](int slot) -> CWorld& {
        return copies.Slot(slot)->WorldForOperations();
    };
    CWorld& changed = worldOf(kChanged);
    CWorld& receiver = worldOf(kReceiver);
    const CClub& club = *std::next(changed.Country(kDefaultCountry).Clubs().begin())->second;
    const std::uint32_t first = club.PersonIds().at(0);
    const std::uint32_t second = club.PersonIds().at(1);
    for (CWorld* world : {&changed, &receiver}) {
        CPlayer& player = *world->Person(first);
        player.SetContractUntil(player.ContractUntil() + 1);
    }
    CPlayer& player = *changed.Person(first);
    player.SetAbility(0, static_cast<std::uint8_t>(player.Ability(0) % 90 + 5));
    for (CWorld* world : {&changed, &receiver}) {
        CPlayer& other = *world->Person(second);
        other.SetAbility(
            2, static_cast<std::uint8_t>(other.Ability(2) % 90 + (world == &changed ? 5 : 7)));
    }
    CCountry& country = changed.Country(kDefaultCountry);
    country.CreateClub()->SetName(kDefaultLanguage, "SV Nebelstadt 2006");
    country.Referees().erase(country.Referees().begin());
    CReferee& referee = receiver.Country(kDefaultCountry).Referees().front();
    referee.SetCharacter(static_cast<std::int8_t>((referee.Character() + 1) % 6));
    auto& league = dynamic_cast<CDBLeagueBase&>(
        *changed.Competition(MakeCompetitionId(kDefaultCountry, kLeagueType, 0)));
    league.SetSigningFlags(static_cast<std::uint8_t>(league.SigningFlags() ^ 1));

    SChangePackage package = MakeChangePackage(worldOf(kBase), changed);
    SPackagePlan plan = PlanChangePackage(receiver, package);
    return std::make_unique<CDlgChangePackagePreview>(*copies.Slot(kReceiver), std::move(package),
                                                      std::move(plan),
                                                      QStringLiteral("nebelstadt.kwp"));
}

// The faults "Datenbank prüfen" shows, made outside the history as a damaged database would
// bring them: a squad with two presidents, a missing badge, a league with a free place in its
// fixture list and one of the wrong size.
void MakeFaults(CWorld& world) {
    for (const auto& [id, club] : world.Country(kDefaultCountry).Clubs()) {
        if (club->IsNationalTeam()) {
            continue;
        }
        int presidents = 0;
        for (const std::uint32_t person : club->PersonIds()) {
            CPlayer& player = *world.Person(person);
            if (presidents < 2 && player.Kind() == 0 && player.TeamFlag() == 0) {
                player.SetKind(3);
                ++presidents;
            }
        }
        break;
    }
    for (const auto& [id, club] : world.Country(kEngland).Clubs()) {
        if (!club->IsNationalTeam()) {
            club->SetBadgePath("England\\Badge256\\gone.tga");
            break;
        }
    }
    if (auto* league = dynamic_cast<CDBLeague*>(
            world.Competition(MakeCompetitionId(kDefaultCountry, kLeagueType, 1)))) {
        league->Fixtures().SetPairing(0, 0, 0, 0);
    }
    if (auto* league = dynamic_cast<CDBLeagueBase*>(
            world.Competition(MakeCompetitionId(kEngland, kLeagueType, 1)))) {
        league->SetLeagueSize(league->LeagueSize() + 2);
    }
}

std::unique_ptr<QWidget> ValidationReport(CDatabaseScene& scene) {
    CDatabaseDocument& document = scene.Document();
    MakeFaults(document.WorldForOperations());
    CInstallationData& installation = scene.Installation();
    auto dialog = std::make_unique<CDlgValidationReport>(
        document, &installation.Tools(),
        SValidationEditors{installation, nullptr, scene.App().installDirectory,
                           scene.App().cityDirectory, false});
    scene.ReadyWhen([&shown = *dialog] { return !shown.IsRunning(); });
    return dialog;
}

}  // namespace

std::vector<SScene> ToolScenes() {
    using enum EDemo;
    return {
        {"DlgPlayerWithoutClub", DocumentScene(kFull, WithoutClubDialog)},
        {"DlgFastTransfer", DocumentScene(kFull, FastTransferDialog)},
        {"PlayerDouble", DocumentScene(kFull, PlayerDoubles, QSize(1180, 620))},
        {"DlgPlayerCompare", ShowDlgPlayerCompare},
        {"DlgPlayerSearch", ShowDlgPlayerSearch},
        {"DlgSearchResult", DocumentScene(kFull, SearchResult, QSize(1000, 560))},
        {"DlgCsvExport", DocumentScene(kFull, CsvExport)},
        {"DlgCsvImportPreview", DocumentScene(kFull, CsvImportPreview, QSize(900, 560))},
        // The "AdminTools" menu (administrator mode), the question of "Stadien neu benennen" for
        // country 14 and the result of "Taktische Ausbildung von 0 auf 3 setzen".
        {"AdminToolsMenu",
         [](CSceneContext& context) {
             auto scene = std::make_unique<CAdminScene>(context);
             scene->ShowMenu();
             return scene;
         }},
        {"AdminToolsQuestion",
         [](CSceneContext& context) {
             auto scene = std::make_unique<CAdminScene>(context);
             SAdminInputs inputs;
             inputs.country = 14;
             scene->ShowBox(QMessageBox::Question,
                            AdminQuestion(*FindAdminCommand("rename-stadiums"),
                                          scene->Document().World(), inputs, kDefaultLanguage),
                            QMessageBox::Yes | QMessageBox::No);
             return scene;
         }},
        {"AdminToolsResult",
         [](CSceneContext& context) {
             auto scene = std::make_unique<CAdminScene>(context);
             const SAdminOutcome outcome =
                 RunAdminCommand(*FindAdminCommand("tactical-training"), scene->Document(), {});
             scene->ShowBox(QMessageBox::Information, outcome.text, QMessageBox::Ok);
             return scene;
         }},
        // The player mapping's question box and the report's save dialog on the installation's
        // folder.
        {"MappingQuestion",
         [](CSceneContext&) { return Shown(MakeMappingQuestion(kMapPlayerIdsQuestion, nullptr)); }},
        {"MappingReportDialog",
         [](CSceneContext& context) {
             std::unique_ptr<QFileDialog> dialog = MakeReportFileDialog(nullptr);
             dialog->setDirectory(QString::fromStdString(context.Installation().string()));
             return Shown(std::move(dialog));
         }},
        {"DlgDatabaseDiff", DocumentScene(kSmall, DatabaseDiff, {}, 2)},
        {"DlgChangePackagePreview", DocumentScene(kSmall, ChangePackagePreview, {}, 3)},
        // "Änderungspaket erstellen..." choosing the old database for the second of two.
        {"DlgChangePackageSource", DocumentScene(
                                       kSmall,
                                       [](CDatabaseScene& scene) {
                                           return std::make_unique<CDlgChangePackageSource>(
                                               TwoDatabases(scene.Slots()), 1);
                                       },
                                       {}, 2)},
        {"DlgValidationReport", DocumentScene(kSmall, ValidationReport, QSize(820, 560))},
    };
}

}  // namespace kw::screens

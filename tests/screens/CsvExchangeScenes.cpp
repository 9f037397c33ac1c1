#include "SceneList.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgCsvExport.h"
#include "gui/editors/DlgCsvImportPreview.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"
#include "tools/CsvTable.h"

namespace kw::screens {

namespace {

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

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCsvExport(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    const CWorld& world = scene->Document().World();
    scene->Show(std::make_unique<CDlgCsvExport>(world, kDefaultCountry, FirstClub(world).Id()));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgCsvImportPreview(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    const CWorld& world = scene->Document().World();
    SCsvImportPlan plan = PlanCsvImport(world, EditedFile(world, FirstClub(world)));
    auto dialog = std::make_unique<CDlgCsvImportPreview>(scene->Document(), std::move(plan),
                                                         QStringLiteral("spieler.csv"));
    dialog->resize(900, 560);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens

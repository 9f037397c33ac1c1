#include "PlayerDoubleScenes.h"

#include <QComboBox>
#include <QListWidget>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgPlayerCompare.h"
#include "gui/editors/PlayerCompareSide.h"
#include "gui/editors/PlayerDouble.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;
constexpr int kStriker = 17;

// The full demo database in a document of its own and the duplicates of the whole database.
class CPlayerDoubleScene : public CShownScene {
public:
    CPlayerDoubleScene(CSceneContext& context, const SAppContext& app)
        : m_slots(app.installDirectory) {
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("full demo database not opened");
        }
        m_dialog = std::make_unique<CPlayerDouble>(document->World(), kDefaultLanguage, 0, 0);
        m_dialog->resize(1180, 620);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<CPlayerDouble> m_dialog;
};

struct SStriker {
    std::uint32_t club = 0;
    const CPlayer* player = nullptr;
};

// The first first-team strikers of two clubs of the country.
std::vector<SStriker> TwoStrikers(const CWorld& world) {
    std::vector<SStriker> strikers;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        for (const CPlayer* player : entry.second->FirstTeam()) {
            if (!entry.second->IsNationalTeam() && player->MainPosition() == kStriker) {
                strikers.push_back({entry.first, player});
                break;
            }
        }
        if (strikers.size() == 2) {
            return strikers;
        }
    }
    throw std::runtime_error("no two strikers in the scene country");
}

void Choose(CPlayerCompareSide& side, const SStriker& striker) {
    side.Clubs().setCurrentIndex(side.Clubs().findData(striker.club));
    QListWidget& players = side.Players();
    for (int row = 0; row < players.count(); ++row) {
        if (players.item(row)->data(Qt::UserRole).toUInt() == striker.player->Id()) {
            players.setCurrentRow(row);
        }
    }
}

}  // namespace

std::unique_ptr<CShownScene> ShowPlayerDouble(CSceneContext& context) {
    SAppContext& app = context.NewFullAppContext();
    SetUpDirectories(app, app.workingDirectory);
    return std::make_unique<CPlayerDoubleScene>(context, app);
}

std::unique_ptr<CShownScene> ShowDlgPlayerCompare(CSceneContext& context) {
    const CWorld& world = context.World();
    const std::vector<SStriker> strikers = TwoStrikers(world);
    auto dialog = std::make_unique<CDlgPlayerCompare>(world, kDefaultLanguage, kSceneCountry);
    Choose(dialog->Left(), strikers[0]);
    Choose(dialog->Right(), strikers[1]);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens

#include "FiveYearNationalTeamScenes.h"

#include <QTreeWidget>

#include <functional>
#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "editing/PlayerHistoryRules.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/Dlg5YearChange.h"
#include "gui/editors/DlgNationalteam.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;
constexpr int kFlaggedPlayers = 12;

// Values that give the continent's ranking some order: each country's number spread over the
// six years.
FiveYearValues SceneValues(int country) {
    FiveYearValues values{};
    for (std::size_t year = 0; year < values.size(); ++year) {
        values[year] = static_cast<std::uint16_t>((country * 137 + static_cast<int>(year) * 291) %
                                                  (kMaxFiveYearValue + 1));
    }
    return values;
}

// The demo database in a document of its own, changed by `setUp` as one edit of the document,
// and the dialog `make` builds on it.
class CDocumentScene : public CShownScene {
public:
    CDocumentScene(CSceneContext& context, const std::function<void(CWorld&)>& setUp,
                   const std::function<std::unique_ptr<QWidget>(CDatabaseDocument&)>& make)
        : m_slots(context.Installation()) {
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        document->Perform("scene", SWorldScope::Everything(), [&setUp](CWorld& world) {
            setUp(world);
            return true;
        });
        m_dialog = make(*document);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<QWidget> m_dialog;
};

void SetFiveYearValues(CWorld& world) {
    for (int country = 1; country <= kCountryCount; ++country) {
        world.Country(country).Settings().slotValues = SceneValues(country);
    }
}

// The first players of the country's own nationality in its clubs get the national-team flag.
void FlagNationalPlayers(CWorld& world) {
    int flagged = 0;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        for (const std::uint32_t id : entry.second->PersonIds()) {
            CPlayer* player = world.Person(id);
            if (flagged < kFlaggedPlayers && !entry.second->IsNationalTeam() && player != nullptr &&
                player->IsPlayer() && player->Nationality() == kSceneCountry) {
                player->SetNationalTeamByte(
                    kNationalFlagsByte,
                    player->NationalTeamBytes()[kNationalFlagsByte] | kInNationalTeamBit);
                ++flagged;
            }
        }
    }
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlg5Year(CSceneContext& context) {
    return std::make_unique<CDocumentScene>(
        context, SetFiveYearValues, [](CDatabaseDocument& document) {
            return std::make_unique<CDlg5Year>(document, kSceneCountry);
        });
}

std::unique_ptr<CShownScene> ShowDlg5YearChange(CSceneContext& context) {
    const CCountry& country = context.World().Country(kSceneCountry);
    auto dialog = std::make_unique<CDlg5YearChange>(Cp1252ToQString(country.Name(kDefaultLanguage)),
                                                    SceneValues(kSceneCountry));
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgNationalteam(CSceneContext& context) {
    return std::make_unique<CDocumentScene>(
        context, FlagNationalPlayers, [](CDatabaseDocument& document) {
            auto dialog = std::make_unique<CDlgNationalteam>(document, kSceneCountry);
            if (dialog->List().topLevelItemCount() < 4) {
                throw std::runtime_error("too few players of the nation");
            }
            dialog->List().topLevelItem(1)->setSelected(true);
            dialog->List().topLevelItem(3)->setSelected(true);
            return dialog;
        });
}

}  // namespace kw::screens

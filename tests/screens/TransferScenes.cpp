#include "TransferScenes.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "app/AppContext.h"
#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerWithoutClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// Players released from the clubs of country 14 when the full demo has fewer without club.
constexpr int kWithoutClubShown = 14;

// The full demo's database in a slot of its own and a dialog on it.
class CFullDemoScene : public CShownScene {
public:
    explicit CFullDemoScene(CSceneContext& context) {
        SAppContext& app = context.NewFullAppContext();
        SetUpDirectories(app, app.workingDirectory);
        m_slots = std::make_unique<CDatabaseSlots>(app.installDirectory);
        CSilentProgress progress;
        m_document = m_slots->AddSlot();
        if (m_document == nullptr ||
            !OpenDatabase(*m_document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("full demo database not opened");
        }
    }

    QWidget& Widget() override { return *m_dialog; }

protected:
    CDatabaseDocument& Document() { return *m_document; }
    void Show(std::unique_ptr<QWidget> dialog) {
        m_dialog = std::move(dialog);
        m_dialog->show();
    }

private:
    std::unique_ptr<CDatabaseSlots> m_slots;
    CDatabaseDocument* m_document = nullptr;
    std::unique_ptr<QWidget> m_dialog;
};

class CWithoutClubScene : public CFullDemoScene {
public:
    explicit CWithoutClubScene(CSceneContext& context) : CFullDemoScene(context) {
        Document().Perform("scene", SWorldScope::Everything(), [](CWorld& world) {
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
        auto dialog = std::make_unique<CDlgPlayerWithoutClub>(Document(), kDefaultCountry);
        QTreeWidget& list = dialog->List();
        if (list.topLevelItemCount() > 3) {
            list.setCurrentItem(list.topLevelItem(1));
            list.topLevelItem(3)->setSelected(true);
        }
        Show(std::move(dialog));
    }
};

class CFastTransferScene : public CFullDemoScene {
public:
    explicit CFastTransferScene(CSceneContext& context) : CFullDemoScene(context) {
        auto dialog = std::make_unique<CDlgFastTransfer>(Document(), kDefaultCountry);
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
        Show(std::move(dialog));
    }
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgPlayerWithoutClub(CSceneContext& context) {
    return std::make_unique<CWithoutClubScene>(context);
}

std::unique_ptr<CShownScene> ShowDlgFastTransfer(CSceneContext& context) {
    return std::make_unique<CFastTransferScene>(context);
}

}  // namespace kw::screens

#include "ValidationReportScenes.h"

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgValidationReport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

constexpr int kGermany = 14;
constexpr int kEngland = 50;

// The faults the scene shows, made outside the history as a damaged database would bring them.
void MakeFaults(CWorld& world) {
    for (const auto& [id, club] : world.Country(kGermany).Clubs()) {
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
            world.Competition(MakeCompetitionId(kGermany, kLeagueType, 1)))) {
        league->Fixtures().SetPairing(0, 0, 0, 0);
    }
    if (auto* league = dynamic_cast<CDBLeagueBase*>(
            world.Competition(MakeCompetitionId(kEngland, kLeagueType, 1)))) {
        league->SetLeagueSize(league->LeagueSize() + 2);
    }
}

class CValidationReportScene : public CShownScene {
public:
    CValidationReportScene(CSceneContext& context, SAppContext& app)
        : m_slots(app.installDirectory) {
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        MakeFaults(document->WorldForOperations());
        m_dialog = std::make_unique<CDlgValidationReport>(
            *document, &m_installation.Tools(),
            SValidationEditors{m_installation, nullptr, app.installDirectory, app.cityDirectory,
                               false});
        m_dialog->resize(820, 560);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }
    bool IsReady() const override { return !m_dialog->IsRunning(); }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<CDlgValidationReport> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgValidationReport(CSceneContext& context) {
    SAppContext& app = context.NewAppContext();
    SetUpDirectories(app, app.workingDirectory);
    return std::make_unique<CValidationReportScene>(context, app);
}

}  // namespace kw::screens

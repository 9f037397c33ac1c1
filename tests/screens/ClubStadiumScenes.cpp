#include "SceneList.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include <vector>

#include "gui/editors/DlgChairman.h"
#include "gui/editors/DlgShirtNo.h"
#include "model/Club.h"
#include "model/Player.h"

namespace kw::screens {

namespace {

constexpr int kPresidentKind = 3;

// A page in a plain window, as its container would hold it.
std::unique_ptr<QWidget> InWindow(QWidget* page, const QString& title) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window.get());
    page->setParent(window.get());
    layout->addWidget(page);
    return window;
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgShirtNo(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    std::vector<CPlayer*> players = club.FirstTeam();
    const std::vector<CPlayer*> second = club.SecondTeam();
    players.insert(players.end(), second.begin(), second.end());
    return Shown(std::make_unique<CDlgShirtNo>(std::move(players)));
}

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

}  // namespace kw::screens

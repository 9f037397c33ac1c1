#include "SceneList.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "document/DatabaseDocument.h"
#include "editing/PersonClub.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::screens {

namespace {

std::uint32_t PersonOfKind(const CWorld& world, int kind) {
    for (const auto& entry : world.Persons()) {
        if (entry.second->Kind() == kind && ClubHoldingPerson(world, entry.first) != nullptr) {
            return entry.first;
        }
    }
    throw std::runtime_error("the demo lacks a person of kind " + std::to_string(kind));
}

}  // namespace

std::unique_ptr<CShownScene> StaffPageScene(int kind, CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    SPlayerEditContext& edit = scene->Keep(std::make_unique<SPlayerEditContext>(SPlayerEditContext{
        scene->Document(), scene->Installation(), nullptr, scene->App().installDirectory}));
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QCoreApplication::translate("kw::CPersonPageTabs", "Persönliche Daten"));
    auto* page = new CDlgPlayerAllRight(edit, window.get());
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(page);
    page->SetPlayer(PersonOfKind(scene->Document().World(), kind));
    scene->Show(std::move(window));
    return scene;
}

}  // namespace kw::screens

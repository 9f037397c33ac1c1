#include "SceneList.h"

#include <QListWidget>

#include <functional>
#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgRefereeChange.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgStadium.h"
#include "gui/editors/DlgStadiumlist.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// One dialog on country 14 of the demo database, opened in a document of its own.
std::unique_ptr<CShownScene> CountryDialogScene(
    CSceneContext& context, const std::function<std::unique_ptr<QWidget>(CDatabaseDocument&)>& make,
    QSize size) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    std::unique_ptr<QWidget> dialog = make(scene->Document());
    dialog->resize(size);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgStadiumlist(CSceneContext& context) {
    return CountryDialogScene(
        context,
        [](CDatabaseDocument& document) {
            auto dialog = std::make_unique<CDlgStadiumlist>(document, kDefaultCountry);
            dialog->List().setCurrentRow(1);
            return dialog;
        },
        QSize(640, 420));
}

std::unique_ptr<CShownScene> ShowDlgStadium(CSceneContext& context) {
    return CountryDialogScene(
        context,
        [](CDatabaseDocument& document) {
            return std::make_unique<CDlgStadium>(document, kDefaultCountry, 0);
        },
        QSize(0, 0));
}

std::unique_ptr<CShownScene> ShowDlgReferees(CSceneContext& context) {
    return CountryDialogScene(
        context,
        [](CDatabaseDocument& document) {
            auto dialog = std::make_unique<CDlgReferees>(document, kDefaultCountry);
            dialog->List().setCurrentRow(2);
            return dialog;
        },
        QSize(640, 420));
}

std::unique_ptr<CShownScene> ShowDlgRefereeChange(CSceneContext& context) {
    const CCountry& country = context.World().Country(kDefaultCountry);
    if (country.Referees().empty()) {
        throw std::runtime_error("the demo country has no referee");
    }
    return Shown(std::make_unique<CDlgRefereeChange>(country.Referees().front()));
}

}  // namespace kw::screens

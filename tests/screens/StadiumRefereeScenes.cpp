#include "StadiumRefereeScenes.h"

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
#include "platform/Progress.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// The demo database in a document of its own and one dialog on its country 14.
class CCountryDialogScene : public CShownScene {
public:
    using MakeDialog = std::function<std::unique_ptr<QWidget>(CDatabaseDocument&)>;

    CCountryDialogScene(CSceneContext& context, const MakeDialog& make, QSize size) {
        auto world = std::make_unique<CWorld>(context.Installation());
        CSilentProgress progress;
        if (!world->InitialiseCountries() ||
            !world->Load(context.Installation() / "database", progress)) {
            throw std::runtime_error("demo database not loaded");
        }
        m_document = std::make_unique<CDatabaseDocument>(std::move(world));
        m_dialog = make(*m_document);
        m_dialog->resize(size);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    std::unique_ptr<CDatabaseDocument> m_document;
    std::unique_ptr<QWidget> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgStadiumlist(CSceneContext& context) {
    return std::make_unique<CCountryDialogScene>(
        context,
        [](CDatabaseDocument& document) {
            auto dialog = std::make_unique<CDlgStadiumlist>(document, kDefaultCountry);
            dialog->List().setCurrentRow(1);
            return dialog;
        },
        QSize(640, 420));
}

std::unique_ptr<CShownScene> ShowDlgStadium(CSceneContext& context) {
    return std::make_unique<CCountryDialogScene>(
        context,
        [](CDatabaseDocument& document) {
            return std::make_unique<CDlgStadium>(document, kDefaultCountry, 0);
        },
        QSize(0, 0));
}

std::unique_ptr<CShownScene> ShowDlgReferees(CSceneContext& context) {
    return std::make_unique<CCountryDialogScene>(
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

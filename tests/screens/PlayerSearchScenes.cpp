#include "PlayerSearchScenes.h"

#include <QLineEdit>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgSearchResult.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The full demo's database in a document of its own and the result list searching it.
class CSearchResultScene : public CShownScene {
public:
    explicit CSearchResultScene(CSceneContext& context, SAppContext& app)
        : m_slots(app.installDirectory) {
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_dialog =
            std::make_unique<CDlgSearchResult>(*document, SSearchCriteria{{}, "M*", {}}, 0, true);
        m_dialog->resize(1000, 560);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }
    bool IsReady() const override { return !m_dialog->IsSearching(); }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<CDlgSearchResult> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgPlayerSearch(CSceneContext&) {
    auto dialog = std::make_unique<CDlgPlayerSearch>();
    auto* surname = dialog->findChild<QLineEdit*>(QStringLiteral("surname"));
    if (surname == nullptr) {
        throw std::runtime_error("no surname field");
    }
    surname->setText(QStringLiteral("M*"));
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgSearchResult(CSceneContext& context) {
    SAppContext& app = context.NewFullAppContext();
    SetUpDirectories(app, app.workingDirectory);
    return std::make_unique<CSearchResultScene>(context, app);
}

}  // namespace kw::screens

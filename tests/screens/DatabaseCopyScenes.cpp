#include <memory>
#include <stdexcept>

#include "WindowScenes.h"
#include "app/DatabaseSlots.h"
#include "gui/mainwindow/DlgClubCopy.h"
#include "gui/mainwindow/DlgCountryCopy.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/SyncTreeWidget.h"
#include "platform/Progress.h"
#include "tools/DatabaseSync.h"

namespace kw::screens {

namespace {

// The demo database open twice, the synchronisation dialog on both.
class CDatabaseCopyScene : public CShownScene {
public:
    explicit CDatabaseCopyScene(CSceneContext& context) : m_slots(context.Installation()) {
        CSilentProgress progress;
        for (int slot = 0; slot < 2; ++slot) {
            CDatabaseDocument* document = m_slots.AddSlot();
            if (document == nullptr || !OpenDatabase(*document, context.Installation() / "database",
                                                     progress, context.Ui())) {
                throw std::runtime_error("demo database not opened");
            }
        }
        m_dialog = std::make_unique<CDlgDatabaseCopy>(m_slots, context.Ui());
        // Europe open on both sides with its first country that has clubs.
        for (const char* name : {"leftTree", "rightTree"}) {
            auto* tree = m_dialog->findChild<CSyncTreeWidget*>(QString::fromLatin1(name));
            const int slot = name[0] == 'l' ? 1 : 0;
            if (QTreeWidgetItem* europe = tree->Find(SSyncItem::Continent(slot, 0))) {
                europe->setExpanded(true);
                for (int row = 0; row < europe->childCount(); ++row) {
                    if (europe->child(row)->childCount() > 0) {
                        europe->child(row)->setExpanded(true);
                        break;
                    }
                }
            }
        }
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<CDlgDatabaseCopy> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgDatabaseCopy(CSceneContext& context) {
    return std::make_unique<CDatabaseCopyScene>(context);
}

std::unique_ptr<CShownScene> ShowDlgClubCopy(CSceneContext&) {
    return Shown(std::make_unique<CDlgClubCopy>(kAllClubCopyGroups & ~0x800u));
}

std::unique_ptr<CShownScene> ShowDlgCountryCopy(CSceneContext&) {
    return Shown(std::make_unique<CDlgCountryCopy>(kAllCountryCopyGroups));
}

}  // namespace kw::screens

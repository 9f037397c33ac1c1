#include "SceneList.h"

#include <memory>

#include "app/DatabaseSlots.h"
#include "gui/mainwindow/DlgClubCopy.h"
#include "gui/mainwindow/DlgCountryCopy.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/SyncTreeWidget.h"
#include "tools/DatabaseSync.h"

namespace kw::screens {

// The demo database open twice, the synchronisation dialog on both.
std::unique_ptr<CShownScene> ShowDlgDatabaseCopy(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(), 2);
    auto dialog = std::make_unique<CDlgDatabaseCopy>(scene->Slots(), context.Ui());
    // Europe open on both sides with its first country that has clubs.
    for (const char* name : {"leftTree", "rightTree"}) {
        auto* tree = dialog->findChild<CSyncTreeWidget*>(QString::fromLatin1(name));
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
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgClubCopy(CSceneContext&) {
    return Shown(std::make_unique<CDlgClubCopy>(kAllClubCopyGroups & ~0x800u));
}

std::unique_ptr<CShownScene> ShowDlgCountryCopy(CSceneContext&) {
    return Shown(std::make_unique<CDlgCountryCopy>(kAllCountryCopyGroups));
}

}  // namespace kw::screens

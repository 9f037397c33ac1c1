#include "gui/editors/EditorPage.h"

#include "gui/controls/MyTabCtrl.h"
#include "gui/controls/ScrollingPage.h"

namespace kw {

IEditorPage* TabEditorPage(const QTabWidget& tabs, int index) {
    return dynamic_cast<IEditorPage*>(TabPage(tabs, index));
}

void StoreShownPage(const QTabWidget& tabs) {
    if (IEditorPage* page = TabEditorPage(tabs, tabs.currentIndex())) {
        page->Store();
    }
}

void StoreOnLeave(CMyTabCtrl& tabs, EOnEnter onEnter) {
    tabs.SetLeaveQuery([&tabs](int index) {
        if (IEditorPage* page = TabEditorPage(tabs, index)) {
            page->Store();
        }
        return true;
    });
    if (onEnter == EOnEnter::kLoad) {
        QObject::connect(&tabs, &CMyTabCtrl::PageEntered, &tabs, [&tabs](int index) {
            if (IEditorPage* page = TabEditorPage(tabs, index)) {
                page->Load();
            }
        });
    }
}

}  // namespace kw

// Using a list's context menu from a test as a user does: by the mouse or by either key.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <map>

namespace kw::test {

// How the menu is opened: a right click on the row, or the context menu key or Shift+F10 with the
// row made current first.
enum class EMenuWay { kRightClick, kMenuKey, kShiftF10 };
inline constexpr EMenuWay kMenuWays[] = {EMenuWay::kRightClick, EMenuWay::kMenuKey,
                                         EMenuWay::kShiftF10};

// Opens the context menu of `list` on `row` (a right click on an empty list clicks its middle),
// chooses the item `choose` when it is there and enabled and closes the menu with Escape
// otherwise. Returns the items' enabled states by text (separators left out); empty when no menu
// opened.
inline std::map<QString, bool> UseContextMenu(QAbstractItemView& list, int row, EMenuWay way,
                                              const QString& choose = {}) {
    std::map<QString, bool> items;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || !menu->isVisible()) {
            return;
        }
        timer.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            items[action->text()] = action->isEnabled();
            if (action->text() == choose && action->isEnabled()) {
                chosen = action;
            }
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, chosen != nullptr ? Qt::Key_Return : Qt::Key_Escape);
    });
    timer.start(10);
    const QModelIndex index = list.model()->index(row, 0);
    list.setFocus();
    if (way == EMenuWay::kRightClick) {
        list.scrollTo(index);
        QTest::mouseClick(
            list.viewport(), Qt::RightButton, {},
            index.isValid() ? list.visualRect(index).center() : list.viewport()->rect().center());
    } else {
        list.setCurrentIndex(index);
        QTest::keyClick(&list, way == EMenuWay::kMenuKey ? Qt::Key_Menu : Qt::Key_F10,
                        way == EMenuWay::kMenuKey ? Qt::NoModifier : Qt::ShiftModifier);
    }
    return items;
}

}  // namespace kw::test

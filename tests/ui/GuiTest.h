// What the Qt tests of the editors share: the Qt and editor headers they use, driving controls as
// a user does, and the small demo's database opened anew for each test.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "AccessibleNames.h"
#include "ContextMenus.h"
#include "DemoDocument.h"
#include "IsolatedGuiTest.h"
#include "MainWindowRun.h"
#include "ModalDialogs.h"
#include "PageStore.h"
#include "ReferenceCheck.h"
#include "app/AppContext.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw::test {

namespace fs = std::filesystem;

// The window's control of that type and name; throws when there is none, which fails the test.
template <typename T>
T& Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        throw std::runtime_error("no control " + name.toStdString());
    }
    return *child;
}

// Replaces the file by these bytes.
void WriteText(const std::filesystem::path& path, std::string_view text);

// Shows the window and makes it active, so that focus moves as it does for the user (on a real X
// server too); throws when it does not become active.
void ShowActive(QWidget& window);
template <typename T>
std::unique_ptr<T> ShownActive(std::unique_ptr<T> window) {
    ShowActive(*window);
    return window;
}

// Replaces the field's text by typing, letters beyond ASCII as keys carrying them.
void Retype(QLineEdit& field, const QString& text);
void Retype(const QWidget& window, const QString& field, const QString& text);
// Types into the numeric field and leaves it with Tab, as a user does.
void TypeNumber(CSpinEditCtrl& field, const QString& text);
void TypeNumber(CSpinEditCtrl& field, int value);
// Moves the closed list to the item with that data (that index) with the arrow keys.
void Choose(QComboBox& list, int data);
void PickIndex(QComboBox& list, int index);
// Clicks the enabled button of that name.
void Click(const QWidget& parent, const QString& button);
// Clicks the OK button of the window's button box "buttons"; it must be enabled, and the window
// then closes unless it is to stay open.
void PressOk(QWidget& dialog, bool closes = true);
// Clicks the tab, which must then be shown.
void ShowTab(QTabWidget& tabs, int tab);
// Clicks (and double-clicks) the row of a list, scrolled to it.
void ClickRow(QAbstractItemView& list, int row, Qt::KeyboardModifiers modifiers = {});
void DoubleClickRow(QAbstractItemView& list, int row);
// Clicks the header of the list's column, as a user sorts by it.
void ClickHeader(QTreeView& list, int column);
// Closes the dialog with the key (Return: its button "ok"; 0: the close box). Returns the heading
// and text of the message list the closing opened, "|" between them, which is answered with "OK"
// (the dialog stays) or "Egal".
std::string CloseWith(QDialog& dialog, int key, bool egal);
// The row of the list whose item holds that value (Qt::UserRole); -1 when none does.
int RowWithData(const QListWidget& list, std::uint32_t value);
// In the club chooser: clicks the club's country, then the club (0: the first club of the country
// shown) and confirms with Return. Returns the club the chooser had chosen, 0 when none.
std::uint32_t ChooseClub(CDlgSelectClub& chooser, std::uint32_t club);
// The window's command (button) with that text; null when there is none.
QAction* Action(const QWidget& window, const QString& text);
QPushButton* ButtonWithText(const QWidget& window, const QString& text);
// The world's clubs that are no national team, country by country, for which `take` holds (all
// without it).
std::vector<CClub*> ClubsWhere(const CWorld& world,
                               const std::function<bool(const CClub&)>& take = nullptr);
// The country and the club chosen in the main window's lists; 0 when none is.
int CurrentCountry(const QWidget& window);
std::uint32_t CurrentClub(const QWidget& window);

// The small demo installation generated once for the test program and its database opened anew
// for each test, into `m_document`. A test class that needs more for each test overrides
// `Opened`, and `Closing` for what it checks or closes after each test.
class CDemoGuiTest : public QObject {
    Q_OBJECT

protected:
    virtual void Opened() {}
    virtual void Closing() {}
    const CWorld& World() const { return m_document->World(); }
    // What a test compares before and after: the whole world, unless a test narrows it.
    virtual std::string Dump() const { return DumpWorldJson(m_document->World()); }
    std::size_t Edits() const { return m_document->History().Count(); }
    // One undo gives the dump `before` back; redone, the country is sound.
    void ExpectUndoneAndSound(const std::string& before, int country = kDefaultCountry);

    CSmallDemoInstallation m_demo;
    std::unique_ptr<COpenDemo> m_open;
    CDatabaseDocument* m_document = nullptr;

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

}  // namespace kw::test

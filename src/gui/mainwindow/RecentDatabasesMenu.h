#pragma once

#include <QObject>
#include <QString>

#include <filesystem>
#include <vector>

#include "app/RecentDatabases.h"

class QAction;
class QMenu;

namespace kw {

// The database folders opened last as entries of "&Datei", kept in the editor's own settings
// file (RecentDatabasesSettingsFile) so that the next run offers them again. Folders that have
// vanished are dropped when the list is read.
class CRecentDatabasesMenu : public QObject {
    Q_OBJECT

public:
    // The entries go into `menu` before `before`, behind a separator of their own.
    CRecentDatabasesMenu(QMenu& menu, QAction* before, QObject* parent);

    // The folder was opened: first entry from now on.
    void Opened(const std::filesystem::path& folder);
    // The folder no longer exists: its entry goes.
    void Forget(const std::filesystem::path& folder);
    // The entries can be chosen only while a database can be opened.
    void SetEnabled(bool enabled);

    const std::vector<std::filesystem::path>& Folders() const { return m_list.Folders(); }
    const std::vector<QAction*>& Actions() const { return m_actions; }

    // The editor's settings file; in Qt's test mode it lies in the test's own folder.
    static QString RecentDatabasesSettingsFile();

signals:
    void databaseChosen(const std::filesystem::path& folder);

private:
    void Store() const;
    void Rebuild();

    QMenu& m_menu;
    // The entries stand between their separator and this action.
    QAction* m_before;
    QAction* m_separator;
    CRecentDatabases m_list;
    std::vector<QAction*> m_actions;
    bool m_enabled = true;
};

}  // namespace kw

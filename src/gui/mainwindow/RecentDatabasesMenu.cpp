#include "gui/mainwindow/RecentDatabasesMenu.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace kw {

namespace {

const QString kRecentKey = QStringLiteral("recentDatabases");

QString FolderText(const std::filesystem::path& folder) {
    return QString::fromStdString(folder.string());
}

std::vector<std::filesystem::path> StoredFolders() {
    QSettings settings(CRecentDatabasesMenu::RecentDatabasesSettingsFile(), QSettings::IniFormat);
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : settings.value(kRecentKey).toStringList()) {
        folders.emplace_back(folder.toStdString());
    }
    return folders;
}

}  // namespace

CRecentDatabasesMenu::CRecentDatabasesMenu(QMenu& menu, QAction* before, QObject* parent)
    : QObject(parent),
      m_menu(menu),
      m_before(before),
      m_separator(menu.insertSeparator(before)),
      m_list(StoredFolders()) {
    const bool dropped = m_list.DropVanished([](const std::filesystem::path& folder) {
        std::error_code error;
        return std::filesystem::is_directory(folder, error);
    });
    if (dropped) {
        Store();
    }
    Rebuild();
}

QString CRecentDatabasesMenu::RecentDatabasesSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kickwerk06/kwedit.ini");
}

void CRecentDatabasesMenu::Opened(const std::filesystem::path& folder) {
    m_list.Opened(folder);
    Store();
    Rebuild();
}

void CRecentDatabasesMenu::Forget(const std::filesystem::path& folder) {
    m_list.Forget(folder);
    Store();
    Rebuild();
}

void CRecentDatabasesMenu::SetEnabled(bool enabled) {
    m_enabled = enabled;
    for (QAction* action : m_actions) {
        action->setEnabled(enabled);
    }
}

void CRecentDatabasesMenu::Store() const {
    QStringList folders;
    for (const std::filesystem::path& folder : m_list.Folders()) {
        folders << FolderText(folder);
    }
    QSettings settings(RecentDatabasesSettingsFile(), QSettings::IniFormat);
    settings.setValue(kRecentKey, folders);
}

void CRecentDatabasesMenu::Rebuild() {
    for (QAction* action : m_actions) {
        m_menu.removeAction(action);
        action->deleteLater();
    }
    m_actions.clear();
    const std::vector<std::filesystem::path>& folders = m_list.Folders();
    for (std::size_t index = 0; index < folders.size(); ++index) {
        const std::filesystem::path folder = folders[index];
        auto* action =
            new QAction(QString::fromStdString(RecentDatabaseLabel(index, folder)), &m_menu);
        action->setStatusTip(FolderText(folder));
        action->setEnabled(m_enabled);
        connect(action, &QAction::triggered, this, [this, folder] { emit databaseChosen(folder); });
        m_menu.insertAction(m_before, action);
        m_actions.push_back(action);
    }
    m_separator->setVisible(!folders.empty());
}

}  // namespace kw

#pragma once

#include <QMainWindow>

#include <cstdint>
#include <memory>

#include "app/AppContext.h"

class QAction;
class QPushButton;
class QCloseEvent;
class QLabel;

namespace kw {

class CWorld;
class IUserInterface;

// The editor's one main window. Loads the database of the installation when it is created and
// shows it; every question and message goes through the user interface it was given.
class DlgMainMenu : public QMainWindow {
    Q_OBJECT

public:
    DlgMainMenu(SAppContext& context, IUserInterface& ui, QWidget* parent = nullptr);
    ~DlgMainMenu() override;

    const CWorld& World() const { return *m_world; }

public slots:
    // "&Speichern": writes the database into its folder.
    void Save();
    // "Daten &exportieren" and "Daten &importieren": the database as a world archive.
    void ExportData();
    void ImportData();
    // The game's master file of the current database, behind the progress dialog.
    void BuildMaster(std::uint32_t options);

protected:
    // Closing always asks once the window is set up; there is no record of unsaved changes.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateContents();
    void LoadDatabase();
    // Caption, labels and actions after the database changed.
    void Refresh();

    SAppContext& m_context;
    IUserInterface& m_ui;
    std::unique_ptr<CWorld> m_world;
    // No installation and no database folder: the window shows an empty world and cannot save it.
    bool m_placeholderWorld = false;
    bool m_initialised = false;

    QAction* m_saveAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_importAction = nullptr;
    QPushButton* m_masterButton = nullptr;
    QLabel* m_countryCount = nullptr;
    QLabel* m_databasePath = nullptr;
    QLabel* m_notice = nullptr;
};

}  // namespace kw

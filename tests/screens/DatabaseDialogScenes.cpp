#include "SceneList.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "gui/mainwindow/DlgNewDatabase.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/SelectDatabase.h"

namespace kw::screens {

namespace fs = std::filesystem;

namespace {

// A documents folder with a few databases and their descriptions, alive as long as the dialog.
class CDatabaseDialogScene : public CShownScene {
public:
    CDatabaseDialogScene() {
        if (!m_documents.isValid()) {
            throw std::runtime_error("no temporary documents folder");
        }
        const fs::path databases = Documents() / "database";
        const struct {
            const char* name;
            const char* description;
        } kDatabases[] = {
            {"Saison 2006", "Stand zu Beginn der Saison 2006/07 mit allen Transfers des Sommers."},
            {"Testliga", "Kleine Ligen zum Ausprobieren neuer Spielpl\xE4ne."},
            {"Original", ""},
        };
        for (const auto& database : kDatabases) {
            fs::create_directories(databases / database.name);
            if (*database.description != '\0') {
                std::ofstream(databases / database.name / "Database.txt") << database.description;
            }
        }
    }

    fs::path Documents() const { return m_documents.path().toStdString(); }
    void SetDialog(std::unique_ptr<QWidget> dialog) { m_dialog = std::move(dialog); }
    QWidget& Widget() override { return *m_dialog; }

private:
    QTemporaryDir m_documents;
    std::unique_ptr<QWidget> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgSelectDatabase(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseDialogScene>();
    auto dialog = std::make_unique<CDlgSelectDatabase>(scene->Documents(), context.Ui(),
                                                       std::vector<fs::path>{});
    dialog->DatabaseList()->SelectRow(1);
    dialog->show();
    scene->SetDialog(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgNewDatabase(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseDialogScene>();
    auto dialog = std::make_unique<CDlgNewDatabase>(scene->Documents(), context.Ui(),
                                                    std::vector<fs::path>{});
    dialog->NameField()->setText(QStringLiteral("Saison 2006"));
    dialog->show();
    scene->SetDialog(std::move(dialog));
    return scene;
}

}  // namespace kw::screens

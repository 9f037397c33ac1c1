#include "gui/mainwindow/AdminToolsMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <memory>
#include <optional>
#include <string>

#include "app/DatabaseSlots.h"
#include "assets/GlobalTools.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/QuestionButtons.h"
#include "gui/mainwindow/QtText.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "tools/AdminCommandTable.h"
#include "tools/AdminCountryTools.h"
#include "tools/AdminNicknames.h"

namespace kw {

namespace {

// The menu's German captions, for the translation tools; the English ones are the same in both
// languages. The core's table keeps the German, which also names the commands' undo entries.
constexpr const char* kGermanCaptions[] = {
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Alle gelben Schuhe durch schwarze ersetzen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Mitarbeiterstäbe des landes neu benennen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Stadien neu benennen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Nicht verwendete Stadien entfernen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Historische Daten entfernen (Spielergebnisse)"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Historische Daten entfernen (Statist. der 1. Liga)"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Taktische Ausbildung von 0 auf 3 setzen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Überprüfe ungültige Geburtsdaten (1920 und 1900)"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "Französische / Spanische Clubnamen zusammenfügen"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu",
                      "Mitarbeiterstab löschen (bis auf Manager, Vorsitzender, Präsident)"),
    QT_TRANSLATE_NOOP("kw::AdminToolsMenu", "DB für PS2 erstellen"),
};

QString AdminCaption(std::string_view caption) {
    const std::string german = Cp1252ToUtf8(caption);
    for (const char* known : kGermanCaptions) {
        if (german == known) {
            return QCoreApplication::translate("kw::AdminToolsMenu", known);
        }
    }
    return QString::fromStdString(german);
}

enum class EAnswer { kYes, kNo, kCancel };

EAnswer AskYesNoCancel(QWidget* window, const std::string& question) {
    QMessageBox box(QMessageBox::Question, FromCp1252(GuiString(ids::kApplicationTitle)),
                    FromCp1252(question), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    window);
    NameQuestionButtons(box);
    box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) {
        return EAnswer::kYes;
    }
    return answer == QMessageBox::No ? EAnswer::kNo : EAnswer::kCancel;
}

// Asks, runs and reports one bulk command.
void RunFromMenu(const SAdminCommand& command, const SAdminToolsHost& host) {
    CDatabaseDocument& document = host.document();
    const CGlobalTools* tools = host.tools();
    std::optional<SStaffNameLists> names;
    if (tools != nullptr) {
        names.emplace(SStaffNameLists{tools->MaleNames(), tools->Surnames()});
    }
    SAdminInputs inputs;
    inputs.club = host.selectedClub();
    inputs.country = host.selectedCountry();
    inputs.other = host.otherDatabase();
    inputs.names = names ? &*names : nullptr;

    const std::string problem = AdminInputProblem(command, document.World(), inputs);
    if (!problem.empty()) {
        host.ui.ShowError(problem);
        return;
    }
    bool reset = false;
    const std::string question =
        AdminQuestion(command, document.World(), inputs, document.Language());
    if (AsksYesNoCancel(command)) {
        const EAnswer answer = AskYesNoCancel(host.window, question);
        if (answer == EAnswer::kCancel) {
            return;
        }
        reset = answer == EAnswer::kYes;
    } else if (!question.empty() && !host.ui.AskYesNo(question)) {
        return;
    }
    const SAdminOutcome outcome = RunAdminCommand(command, document, inputs, reset);
    if (!outcome.ok) {
        host.ui.ShowError(outcome.text);
    } else if (!outcome.text.empty()) {
        host.ui.ShowInformation(outcome.text);
    }
}

// Where each mapping run's action goes, and the object name the window finds it by.
struct SMappingSlot {
    std::string_view name;
    const char* objectName;
    QAction* SAdminMappingActions::*action;
};

constexpr SMappingSlot kMappingSlots[] = {
    {"map-club-ids", "mapClubIds", &SAdminMappingActions::clubIds},
    {"map-player-ids", "mapPlayerIds", &SAdminMappingActions::playerIds},
    {"map-face-ids", "mapFaceIds", &SAdminMappingActions::faceIds},
    {"map-ps2-face-ids", "mapPs2FaceIds", &SAdminMappingActions::ps2FaceIds},
};

void PlaceMappingAction(SAdminMappingActions& actions, std::string_view name, QAction* action) {
    for (const SMappingSlot& slot : kMappingSlots) {
        if (slot.name == name) {
            action->setObjectName(QString::fromLatin1(slot.objectName));
            actions.*slot.action = action;
        }
    }
}

}  // namespace

SAdminMappingActions AddAdminToolsMenu(QMenuBar& menuBar, SAdminToolsHost host) {
    QMenu* menu = menuBar.addMenu(QStringLiteral("AdminTools"));
    menu->setObjectName(QStringLiteral("adminTools"));
    const auto shared = std::make_shared<SAdminToolsHost>(std::move(host));
    SAdminMappingActions mapping;
    std::optional<EAdminGroup> group;
    for (const SAdminCommand& command : AdminMenuItems()) {
        if (group != command.group) {
            group = command.group;
            menu->addAction(FromCp1252(AdminGroupCaption(command.group)))->setEnabled(false);
        }
        QAction* action = menu->addAction(AdminCaption(command.caption));
        switch (command.kind) {
            case EAdminKind::kBulk:
                QObject::connect(action, &QAction::triggered, menu,
                                 [&command, shared] { RunFromMenu(command, *shared); });
                break;
            case EAdminKind::kMapping:
                PlaceMappingAction(mapping, command.name, action);
                break;
            case EAdminKind::kMasterBuild:
                QObject::connect(action, &QAction::triggered, menu,
                                 [shared] { shared->buildPs2Master(); });
                break;
        }
    }
    return mapping;
}

const CWorld* NicknameSourceDatabase(const CDatabaseSlots& open) {
    int current = 0;
    for (int index = 0; index < open.Count(); ++index) {
        if (open.Slot(index) == open.Current()) {
            current = index;
        }
    }
    const std::optional<int> source = NicknameSourceSlot(open.Count(), current);
    return source ? &open.Slot(*source)->World() : nullptr;
}

}  // namespace kw

#include "gui/mainwindow/MappingCommands.h"

#include <QFileDialog>
#include <QMessageBox>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "app/InstallationData.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/QuestionButtons.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingTexts.h"

namespace kw {

namespace {

// Yes (true: unmatched get 0), No (false: they keep theirs), or nothing for Cancel and the close
// box.
std::optional<bool> AskOverwrite(std::string_view question, QWidget* parent) {
    const std::unique_ptr<QMessageBox> box = MakeMappingQuestion(question, parent);
    box->exec();
    if (box->clickedButton() == box->button(QMessageBox::Yes)) {
        return true;
    }
    if (box->clickedButton() == box->button(QMessageBox::No)) {
        return false;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> AskReportFile(QWidget* parent) {
    const std::unique_ptr<QFileDialog> dialog = MakeReportFileDialog(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog->selectedFiles().constFirst().toStdString());
}

using Run = std::function<SMappingOutcome(const SMappingOptions&)>;

bool RunCommand(std::string_view question, std::string_view done, const Run& run, QWidget* parent,
                IUserInterface& ui) {
    const std::optional<bool> overwrite = AskOverwrite(question, parent);
    if (!overwrite) {
        return false;
    }
    const std::optional<std::filesystem::path> report = AskReportFile(parent);
    if (!report) {
        return false;
    }
    const SMappingOutcome outcome = run({*overwrite, *report});
    if (!outcome.mapped) {
        ui.ShowError(kMappingFailed);
        return false;
    }
    if (!outcome.reportWritten) {
        ui.ShowError(FormatPrintf(kReportNotWritten,
                                  ToCp1252(QString::fromStdString(report->string())).c_str()));
        return true;
    }
    ui.ShowInformation(done);
    return true;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMappingQuestion(std::string_view question, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Question, FromCp1252(GuiString(ids::kApplicationTitle)), FromCp1252(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box->setObjectName(QStringLiteral("mappingQuestion"));
    NameQuestionButtons(*box);
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

std::unique_ptr<QFileDialog> MakeReportFileDialog(QWidget* parent) {
    auto dialog =
        std::make_unique<QFileDialog>(parent, FromCp1252(kReportDialogTitle), QString(),
                                      QStringLiteral("Text files (*.txt);;All files (*.*)"));
    dialog->setObjectName(QStringLiteral("mappingReportFile"));
    // The dialog adds the extension itself, so it asks before it replaces an existing report.
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(FromCp1252(kReportDialogExtension));
    return dialog;
}

bool MapClubIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                       QWidget* parent, IUserInterface& ui) {
    return RunCommand(
        kMapClubIdsQuestion, kMapClubIdsDone,
        [&](const SMappingOptions& options) -> SMappingOutcome {
            return MapClubIds(document, installation.Tools().ClubMapping(), options);
        },
        parent, ui);
}

bool MapPlayerIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                         QWidget* parent, IUserInterface& ui) {
    return RunCommand(
        kMapPlayerIdsQuestion, kMapPlayerIdsDone,
        [&](const SMappingOptions& options) -> SMappingOutcome {
            return MapPlayerIds(document, installation.Tools().PlayerMapping(), options);
        },
        parent, ui);
}

bool MapFaceIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                       QWidget* parent, IUserInterface& ui) {
    return RunCommand(
        kMapFaceIdsQuestion, kMapFaceIdsDone,
        [&](const SMappingOptions& options) -> SMappingOutcome {
            return MapFaceIds(document, installation.TextTables().Faces(),
                              installation.Tools().FaceMapping(), options);
        },
        parent, ui);
}

bool MapPs2FaceIdsCommand(CDatabaseDocument& document, const CInstallationData& installation,
                          QWidget* parent, IUserInterface& ui) {
    return RunCommand(
        kMapPs2FaceIdsQuestion, kMapPs2FaceIdsDone,
        [&](const SMappingOptions& options) -> SMappingOutcome {
            return MapPs2FaceIds(document, installation.Tools().Ps2Faces(), options);
        },
        parent, ui);
}

}  // namespace kw

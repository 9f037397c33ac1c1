#include "gui/mainwindow/CsvExchangeCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <filesystem>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgCsvExport.h"
#include "gui/editors/DlgCsvImportPreview.h"
#include "gui/mainwindow/QtText.h"
#include "platform/AtomicFile.h"
#include "platform/FileContents.h"
#include "platform/UserInterface.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"

namespace kw {

namespace {

QString CsvFilter() {
    return QCoreApplication::translate("kw::DlgMainMenu",
                                       "CSV-Dateien (*.csv);;Alle Dateien (*.*)");
}

}  // namespace

void ExportCsvCommand(const CDatabaseDocument& document, int country, std::uint32_t club,
                      IUserInterface& ui, QWidget* parent) {
    CDlgCsvExport choice(document.World(), country, club, parent);
    if (choice.exec() != QDialog::Accepted) {
        return;
    }
    QFileDialog dialog(parent, QCoreApplication::translate("kw::DlgMainMenu", "CSV exportieren"),
                       QString(), CsvFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(choice.ProposedFileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const SCsvExport exported = ExportCsv(document.World(), choice.Kind(), choice.Scope());
    if (!exported.error.empty()) {
        ui.ShowError(exported.error);
        return;
    }
    if (!WriteFileAtomically(PathOf(path), exported.text)) {
        ui.ShowError(
            ToCp1252(QCoreApplication::translate("kw::DlgMainMenu",
                                                 "Die Datei %1 konnte nicht geschrieben werden.")
                         .arg(QDir::toNativeSeparators(path))));
        return;
    }
    ui.ShowInformation(
        ToCp1252(QCoreApplication::translate("kw::DlgMainMenu",
                                             "%1 Datensätze wurden in die Datei %2 exportiert.")
                     .arg(exported.records)
                     .arg(QDir::toNativeSeparators(path))));
}

void ImportCsvCommand(CDatabaseDocument& document, IUserInterface& ui, QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("kw::DlgMainMenu", "CSV importieren"),
                       QString(), CsvFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const std::optional<std::string> text = ReadFileText(PathOf(path));
    if (!text) {
        ui.ShowError(ToCp1252(QCoreApplication::translate(
                                  "kw::DlgMainMenu", "Die Datei %1 konnte nicht gelesen werden.")
                                  .arg(QDir::toNativeSeparators(path))));
        return;
    }
    SCsvImportPlan plan = PlanCsvImport(document.World(), *text);
    if (!plan.Ok()) {
        ui.ShowError(
            ToCp1252(QCoreApplication::translate("kw::DlgMainMenu",
                                                 "Die Datei %1 kann nicht importiert werden: %2")
                         .arg(QDir::toNativeSeparators(path), QString::fromStdString(plan.error))));
        return;
    }
    CDlgCsvImportPreview preview(document, std::move(plan), QFileInfo(path).fileName(), parent);
    preview.exec();
}

}  // namespace kw

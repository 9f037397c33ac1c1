#include "gui/mainwindow/ChangePackageCommands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <filesystem>
#include <optional>
#include <string>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgChangePackagePreview.h"
#include "gui/mainwindow/DlgChangePackageSource.h"
#include "gui/mainwindow/QtText.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/FileContents.h"
#include "platform/Progress.h"
#include "platform/UserInterface.h"
#include "tools/ChangePackage.h"
#include "tools/ChangePackageApply.h"

namespace kw {

namespace {

QString PackageFilter() {
    return QCoreApplication::translate("kw::DlgMainMenu", "Änderungspakete (*.kwp)");
}

// The wait cursor while a whole database is compared, read or planned against.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The package into the file the user names, offered as "<database folder>.kwp"; an empty one is
// said so instead of written.
void SavePackage(const SChangePackage& package, const CWorld& newer, const QString& nothingChanged,
                 IUserInterface& ui, QWidget* parent) {
    if (package.changes.empty()) {
        ui.ShowInformation(ToCp1252(nothingChanged));
        return;
    }
    QFileDialog dialog(parent,
                       QCoreApplication::translate("kw::DlgMainMenu", "Änderungspaket speichern"),
                       QString(), PackageFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kwp"));
    dialog.selectFile(QString::fromStdString(newer.DirectoryName()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const QString shown = QDir::toNativeSeparators(path);
    if (!WriteFileAtomically(PathOf(path), ChangePackageText(package))) {
        ui.ShowError(
            ToCp1252(QCoreApplication::translate("kw::DlgMainMenu",
                                                 "Die Datei %1 konnte nicht geschrieben werden.")
                         .arg(shown)));
        return;
    }
    const QString written =
        package.changes.size() == 1
            ? QCoreApplication::translate("kw::DlgMainMenu",
                                          "1 Änderung wurde in die Datei %1 geschrieben.")
                  .arg(shown)
            : QCoreApplication::translate("kw::DlgMainMenu",
                                          "%1 Änderungen wurden in die Datei %2 geschrieben.")
                  .arg(QString::number(package.changes.size()), shown);
    ui.ShowInformation(ToCp1252(written));
}

// The database's files as the editor opens them, into a slot of their own; nothing when they
// cannot all be read.
std::optional<SChangePackage> PackageSinceSaved(const CDatabaseDocument& document,
                                                IUserInterface& ui) {
    const CWaitCursor wait;
    CDatabaseSlots saved(document.World().InstallDirectory());
    CDatabaseDocument& savedDocument = *saved.AddSlot();
    savedDocument.SetLanguage(document.Language());
    CSilentProgress progress;
    if (!OpenDatabase(savedDocument, document.World().Directory(), progress, ui) ||
        !savedDocument.World().DamagedCountries().empty()) {
        return std::nullopt;
    }
    return MakeChangePackage(savedDocument.World(), document.World());
}

}  // namespace

void MakeChangePackageCommand(const std::vector<CDlgDatabaseDiff::SDatabase>& databases,
                              int current, IUserInterface& ui, QWidget* parent) {
    if (databases.size() < 2) {
        return;
    }
    CDlgChangePackageSource chooser(databases, current, parent);
    if (chooser.exec() != QDialog::Accepted) {
        return;
    }
    const CWorld& older = databases[static_cast<std::size_t>(chooser.Chosen())].document->World();
    const CWorld& newer = databases[static_cast<std::size_t>(current)].document->World();
    SChangePackage package;
    {
        const CWaitCursor wait;
        package = MakeChangePackage(older, newer);
    }
    SavePackage(package, newer,
                QCoreApplication::translate(
                    "kw::DlgMainMenu",
                    "Die Datenbanken sind gleich: es gibt keine Änderungen für ein Paket."),
                ui, parent);
}

void PackageUnsavedChangesCommand(const CDatabaseDocument& document, IUserInterface& ui,
                                  QWidget* parent) {
    const std::optional<SChangePackage> package = PackageSinceSaved(document, ui);
    if (!package) {
        ui.ShowError(
            ToCp1252(QCoreApplication::translate("kw::DlgMainMenu",
                                                 "Die gespeicherte Datenbank in %1 konnte nicht "
                                                 "vollständig gelesen werden; es wurde "
                                                 "kein Paket geschrieben.")
                         .arg(QDir::toNativeSeparators(QString::fromStdU16String(
                             document.World().Directory().u16string())))));
        return;
    }
    SavePackage(*package, document.World(),
                QCoreApplication::translate("kw::DlgMainMenu",
                                            "Seit dem letzten Speichern hat sich nichts geändert."),
                ui, parent);
}

void ApplyChangePackageCommand(CDatabaseDocument& document, IUserInterface& ui, QWidget* parent) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("kw::DlgMainMenu", "Änderungspaket anwenden"),
                       QString(), PackageFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const QString shown = QDir::toNativeSeparators(path);
    const std::optional<std::string> text = ReadFileText(PathOf(path));
    if (!text) {
        ui.ShowError(ToCp1252(QCoreApplication::translate(
                                  "kw::DlgMainMenu", "Die Datei %1 konnte nicht gelesen werden.")
                                  .arg(shown)));
        return;
    }
    SPackageRead read = ReadChangePackage(*text);
    if (!read.package) {
        ui.ShowError(ToCp1252(QCoreApplication::translate(
                                  "kw::DlgMainMenu",
                                  "Die Datei %1 ist kein gültiges Änderungspaket und wird nicht "
                                  "angewendet: %2")
                                  .arg(shown, QString::fromStdString(read.error))));
        return;
    }
    SPackagePlan plan;
    {
        const CWaitCursor wait;
        plan = PlanChangePackage(document.World(), *read.package);
    }
    CDlgChangePackagePreview preview(document, std::move(*read.package), std::move(plan),
                                     QFileInfo(path).fileName(), parent);
    preview.exec();
}

}  // namespace kw

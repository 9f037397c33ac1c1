#include "gui/controls/ListExportDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <filesystem>
#include <string>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "storage/ListExport.h"

namespace kw {

namespace {

// In the order of the export formats' numbers.
QStringList ExportFilters() {
    return {
        QCoreApplication::translate("kw::ListExportDialog", "Mit Tabs getrennt (*.txt)"),
        QCoreApplication::translate("kw::ListExportDialog", "Mit Leerzeichen formatiert (*.txt)"),
        QCoreApplication::translate("kw::ListExportDialog", "XML Style (*.xml)")};
}

EListExportFormat ChosenFormat(const QFileDialog& dialog) {
    const int index = ExportFilters().indexOf(dialog.selectedNameFilter());
    return index < 0 ? EListExportFormat::TabSeparated : static_cast<EListExportFormat>(index + 1);
}

}  // namespace

bool ExportList(const SListTable& list, std::string_view title, QWidget* parent) {
    // No default suffix: the name is taken as typed. Replacing a file is confirmed by the dialog.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(ExportFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const QString path = dialog.selectedFiles().constFirst();
    if (ExportList(CListTableSource(list), title, ChosenFormat(dialog),
                   std::filesystem::path(path.toStdString()))) {
        return true;
    }
    const std::string name = Utf8ToCp1252(path.toStdString());
    QMessageBox::warning(
        parent, Cp1252ToQString(GuiString(ids::kApplicationTitle)),
        Cp1252ToQString(FormatPrintf(GuiString(ids::kListExportFailed).data(), name.c_str())));
    return false;
}

}  // namespace kw

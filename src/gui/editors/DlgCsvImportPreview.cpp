#include "gui/editors/DlgCsvImportPreview.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"

namespace kw {

namespace {

// The list under `label`, its buddy. Screen readers do not name a list by its buddy: the label's
// text names it.
QTreeWidget* MakeList(QLabel& label, const QStringList& headings, const char* name) {
    auto* list = new QTreeWidget(label.parentWidget());
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString(label.text()).remove(QLatin1Char('&')));
    label.setBuddy(list);
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    return list;
}

// A value of several lines on the one line of a list row, its line ends shown as pilcrows.
QString OneLine(const std::string& cp1252) {
    QString text = Cp1252ToQString(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" \u00B6 "));
    return text;
}

}  // namespace

CDlgCsvImportPreview::CDlgCsvImportPreview(CDatabaseDocument& document, SCsvImportPlan plan,
                                           const QString& fileName, QWidget* parent)
    : QDialog(parent), m_document(document), m_plan(std::move(plan)) {
    setWindowTitle(tr("CSV importieren"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(
        tr("%1: %2 Zeilen gelesen, %3 Änderungen in %4 Datensätzen, %5 Zeilen abgelehnt.")
            .arg(fileName)
            .arg(m_plan.rows)
            .arg(m_plan.FieldChangeCount())
            .arg(m_plan.changes.size())
            .arg(m_plan.rejected.size()),
        this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    auto* changesLabel = new QLabel(tr("Ä&nderungen"), this);
    m_changes = MakeList(
        *changesLabel, {tr("Zeile"), tr("Datensatz"), tr("Feld"), tr("Alt"), tr("Neu")}, "changes");
    for (const SCsvRecordChange& change : m_plan.changes) {
        for (const SCsvFieldChange& field : change.fields) {
            new QTreeWidgetItem(
                m_changes,
                {QString::number(change.line),
                 QStringLiteral("%1 (%2)").arg(Cp1252ToQString(change.label)).arg(change.id),
                 QString::fromStdString(field.field), OneLine(field.oldValue),
                 OneLine(field.newValue)});
        }
    }
    layout->addWidget(changesLabel);
    layout->addWidget(m_changes, 3);

    auto* rejectedLabel = new QLabel(tr("A&bgelehnte Zeilen"), this);
    m_rejected = MakeList(*rejectedLabel,
                          {tr("Zeile"), tr("ID"), tr("Grund"), tr("Spalte und Wert")}, "rejected");
    for (const SCsvRejectedRow& row : m_plan.rejected) {
        new QTreeWidgetItem(m_rejected,
                            {QString::number(row.line), Cp1252ToQString(row.id),
                             QString::fromStdString(std::string(CsvRejectionText(row.reason))),
                             Cp1252ToQString(row.detail)});
    }
    layout->addWidget(rejectedLabel);
    layout->addWidget(m_rejected, 1);
    for (QTreeWidget* list : {m_changes, m_rejected}) {
        for (int column = 0; column < list->columnCount(); ++column) {
            list->resizeColumnToContents(column);
        }
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* apply = buttons->addButton(tr("&Übernehmen"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setEnabled(!m_plan.changes.empty());
    apply->setDefault(!m_plan.changes.empty());
    QPushButton* cancel = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCsvImportPreview::Apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 520);
}

void CDlgCsvImportPreview::Apply() {
    ApplyCsvImport(m_document, m_plan);
    accept();
}

}  // namespace kw

#include "gui/mainwindow/DlgValidationReport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DocumentSignals.h"
#include "gui/mainwindow/QtText.h"
#include "model/World.h"

namespace kw {

namespace {

enum EColumn { kTextColumn, kSeverityColumn, kCountColumn };
// Group rows carry no finding.
constexpr int kNoFinding = -1;
constexpr int kPollMilliseconds = 30;
// Beyond this many findings only the countries are opened, not their kinds.
constexpr std::size_t kExpandAllLimit = 300;

QString SeverityText(ESeverity severity) {
    return severity == ESeverity::kError
               ? QCoreApplication::translate("kw::CDlgValidationReport", "Fehler")
               : QCoreApplication::translate("kw::CDlgValidationReport", "Warnung");
}

QIcon SeverityIcon(ESeverity severity) {
    return QApplication::style()->standardIcon(severity == ESeverity::kError
                                                   ? QStyle::SP_MessageBoxCritical
                                                   : QStyle::SP_MessageBoxWarning);
}

// A group row: its name, its worst severity and how many findings it holds.
QTreeWidgetItem* GroupItem(const QString& name, ESeverity worst, int count) {
    auto* item = new QTreeWidgetItem;
    item->setText(kTextColumn, name);
    item->setText(kSeverityColumn, SeverityText(worst));
    item->setIcon(kSeverityColumn, SeverityIcon(worst));
    item->setData(kCountColumn, Qt::DisplayRole, count);
    item->setData(kTextColumn, Qt::UserRole, kNoFinding);
    return item;
}

}  // namespace

CDlgValidationReport::CDlgValidationReport(CDatabaseDocument& document, const CGlobalTools* tools,
                                           SValidationEditors editors, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_tools(tools),
      m_editors(std::move(editors)),
      m_signals(new CDocumentSignals(document, this)),
      m_tree(new QTreeWidget(this)),
      m_progress(new QProgressBar(this)),
      m_summary(new QLabel(this)),
      m_cancel(new QPushButton(tr("&Abbrechen"), this)),
      m_poll(new QTimer(this)) {
    setWindowTitle(tr("Kickwerk 06 - Datenbank prüfen"));
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({tr("Land / Art / Meldung"), tr("Schwere"), tr("Anzahl")});
    m_tree->setAccessibleName(tr("Meldungen"));
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(kTextColumn, Qt::AscendingOrder);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(kSeverityColumn, QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(kCountColumn, QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_progress->setRange(0, CValidationWorker::Range());

    auto* again = new QPushButton(tr("&Neu prüfen"), this);
    auto* close = new QPushButton(tr("&Schließen"), this);
    // Enter belongs to the list: it opens the finding's editor.
    for (QPushButton* button : {m_cancel, again, close}) {
        button->setAutoDefault(false);
    }
    auto* hint = new QLabel(
        tr("Doppelklick oder Enter auf eine Meldung öffnet den passenden Editor."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(again);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_worker.Stop();
        Poll();
    });
    connect(again, &QPushButton::clicked, this, &CDlgValidationReport::Restart);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tree, &QTreeWidget::itemActivated, this, &CDlgValidationReport::Activated);
    connect(m_poll, &QTimer::timeout, this, &CDlgValidationReport::Poll);
    connect(m_signals, &CDocumentSignals::changed, this, [this] {
        if (!m_editing) {
            Restart();
        }
    });
    Restart();
}

CDlgValidationReport::~CDlgValidationReport() = default;

void CDlgValidationReport::Show(CDatabaseDocument& document, const CGlobalTools* tools,
                                SValidationEditors editors, QWidget* parent) {
    CDlgValidationReport dialog(document, tools, std::move(editors), parent);
    dialog.exec();
}

void CDlgValidationReport::done(int result) {
    m_worker.Stop();
    m_poll->stop();
    m_pending = false;
    QDialog::done(result);
}

void CDlgValidationReport::Restart() {
    m_worker.Start(m_document.World(), m_document.Language(), m_tools);
    m_pending = true;
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_cancel->setEnabled(true);
    m_summary->setText(tr("Die Datenbank wird geprüft ..."));
    m_poll->start(kPollMilliseconds);
}

void CDlgValidationReport::Poll() {
    m_progress->setValue(m_worker.Position());
    std::optional<SValidationResult> result = m_worker.TakeResult();
    if (!result && m_worker.IsRunning()) {
        return;
    }
    m_poll->stop();
    m_pending = false;
    m_cancel->setEnabled(false);
    m_progress->setVisible(false);
    if (result) {
        m_findings = std::move(result->findings);
        ShowFindings(result->cancelled);
    } else {
        // Stopped before it ended: what was shown stays, marked as not current.
        m_summary->setText(tr("Prüfung abgebrochen."));
    }
}

void CDlgValidationReport::ShowFindings(bool cancelled) {
    const CWorld& world = m_document.World();
    m_tree->setSortingEnabled(false);
    m_tree->clear();
    for (const SCountryFindings& group : GroupFindings(m_findings)) {
        const QString countryName =
            group.country == 0
                ? tr("Ganze Datenbank")
                : FromCp1252(world.Country(group.country).Name(m_document.Language()));
        QTreeWidgetItem* item = GroupItem(countryName, group.worst, static_cast<int>(group.count));
        for (const SFindingGroup& kindGroup : group.kinds) {
            QTreeWidgetItem* kind =
                GroupItem(FromCp1252(FindingKindTitle(kindGroup.kind)), kindGroup.worst,
                          static_cast<int>(kindGroup.findings.size()));
            for (const std::size_t index : kindGroup.findings) {
                const SFinding& finding = m_findings[index];
                auto* row = new QTreeWidgetItem;
                row->setText(kTextColumn, FromCp1252(finding.text));
                row->setToolTip(kTextColumn, row->text(kTextColumn));
                row->setText(kSeverityColumn, SeverityText(finding.severity));
                row->setIcon(kSeverityColumn, SeverityIcon(finding.severity));
                row->setData(kTextColumn, Qt::UserRole, static_cast<int>(index));
                kind->addChild(row);
            }
            item->addChild(kind);
        }
        m_tree->addTopLevelItem(item);
        item->setExpanded(true);
        if (m_findings.size() <= kExpandAllLimit) {
            for (int kind = 0; kind < item->childCount(); ++kind) {
                item->child(kind)->setExpanded(true);
            }
        }
    }
    m_tree->setSortingEnabled(true);
    const SFindingCounts counts = CountFindings(m_findings);
    QString summary = m_findings.empty()
                          ? tr("Keine Probleme gefunden.")
                          : tr("%1 Fehler, %2 Warnungen").arg(counts.errors).arg(counts.warnings);
    if (cancelled) {
        summary = tr("%1 (Prüfung abgebrochen)").arg(summary);
    }
    m_summary->setText(summary);
}

void CDlgValidationReport::Activated(QTreeWidgetItem* item) {
    const int index = item == nullptr ? kNoFinding : item->data(kTextColumn, Qt::UserRole).toInt();
    if (index < 0 || index >= static_cast<int>(m_findings.size())) {
        return;
    }
    const SFindingTarget target = m_findings[static_cast<std::size_t>(index)].target;
    if (target.kind == ETargetKind::kNone) {
        return;
    }
    // The editor changes the world the worker reads.
    m_worker.Stop();
    m_poll->stop();
    m_pending = false;
    m_editing = true;
    m_editors.Open(m_document, target, this);
    m_editing = false;
    Restart();
}

}  // namespace kw

#include "gui/editors/DlgChangePackagePreview.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/controls/OkCancelButtons.h"

namespace kw {

namespace {

// A long change line keeps the other columns in sight, cut in its middle so that the record's
// name and the values both show; the whole text is its tool tip.
constexpr int kWidestColumn = 640;

QString ClassCaption(EChangeClass result) {
    switch (result) {
        case EChangeClass::kApplies:
            return QCoreApplication::translate("kw::CDlgChangePackagePreview", "Wird übernommen");
        case EChangeClass::kAlreadyApplied:
            return QCoreApplication::translate("kw::CDlgChangePackagePreview",
                                               "Bereits übernommen");
        case EChangeClass::kConflict:
            return QCoreApplication::translate("kw::CDlgChangePackagePreview", "Konflikt");
        case EChangeClass::kUnsupported:
            return QCoreApplication::translate("kw::CDlgChangePackagePreview", "Nicht unterstützt");
    }
    return {};
}

QString Summary(const QString& fileName, const SPackagePlan& plan) {
    QStringList counts;
    for (const EChangeClass result : {EChangeClass::kApplies, EChangeClass::kAlreadyApplied,
                                      EChangeClass::kConflict, EChangeClass::kUnsupported}) {
        counts << QStringLiteral("%1: %2").arg(ClassCaption(result)).arg(plan.Count(result));
    }
    return QCoreApplication::translate("kw::CDlgChangePackagePreview", "%1: %2 Änderungen (%3)")
        .arg(fileName, QString::number(plan.outcomes.size()), counts.join(QStringLiteral(", ")));
}

QString Hint(const SPackagePlan& plan) {
    if (std::any_of(plan.outcomes.begin(), plan.outcomes.end(),
                    [](const SChangeOutcome& outcome) { return outcome.canTake; })) {
        return QCoreApplication::translate(
            "kw::CDlgChangePackagePreview",
            "Ein angekreuzter Konflikt wird mit dem Wert des Pakets übernommen; die übrigen "
            "Konflikte bleiben, wie die Datenbank sie hat.");
    }
    return plan.TakesAny()
               ? QString()
               : QCoreApplication::translate("kw::CDlgChangePackagePreview",
                                             "Es gibt nichts zu übernehmen: OK schließt, ohne "
                                             "etwas zu ändern.");
}

}  // namespace

CDlgChangePackagePreview::CDlgChangePackagePreview(CDatabaseDocument& document,
                                                   SChangePackage package, SPackagePlan plan,
                                                   const QString& fileName, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_package(std::move(package)),
      m_plan(std::move(plan)) {
    setWindowTitle(tr("Änderungspaket anwenden"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(Summary(fileName, m_plan), this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    auto* changesLabel = new QLabel(tr("Ä&nderungen"), this);
    m_changes = new QTreeWidget(this);
    m_changes->setObjectName(QStringLiteral("changes"));
    // Screen readers do not name a list by its buddy.
    m_changes->setAccessibleName(tr("Änderungen"));
    m_changes->setHeaderLabels({tr("Ergebnis"), tr("Änderung"), tr("Grund")});
    m_changes->setRootIsDecorated(false);
    m_changes->setUniformRowHeights(true);
    m_changes->setAlternatingRowColors(true);
    m_changes->setTextElideMode(Qt::ElideMiddle);
    changesLabel->setBuddy(m_changes);
    for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
        const SChangeOutcome& outcome = m_plan.outcomes[i];
        auto* item = new QTreeWidgetItem(
            m_changes,
            {ClassCaption(outcome.result), QString::fromStdString(ChangeLine(m_package.changes[i])),
             QString::fromStdString(outcome.reason)});
        if (outcome.canTake) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
        item->setToolTip(1, item->text(1));
        item->setToolTip(2, item->text(2));
    }
    for (int column = 0; column < m_changes->columnCount(); ++column) {
        m_changes->resizeColumnToContents(column);
        m_changes->setColumnWidth(column, std::min(m_changes->columnWidth(column), kWidestColumn));
    }
    if (m_changes->topLevelItemCount() > 0) {
        m_changes->setCurrentItem(m_changes->topLevelItem(0));
    }
    layout->addWidget(changesLabel);
    layout->addWidget(m_changes, 1);

    auto* hint = new QLabel(Hint(m_plan), this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    hint->setVisible(!hint->text().isEmpty());
    layout->addWidget(hint);
    layout->addWidget(MakeOkCancelButtons(*this));
    m_changes->setFocus();
    resize(1040, 540);
}

void CDlgChangePackagePreview::accept() {
    for (int row = 0; row < m_changes->topLevelItemCount(); ++row) {
        SChangeOutcome& outcome = m_plan.outcomes[static_cast<std::size_t>(row)];
        if (outcome.canTake) {
            outcome.take = m_changes->topLevelItem(row)->checkState(0) == Qt::Checked;
        }
    }
    // Nothing taken: no edit, the dialog only closes.
    ApplyChangePackage(m_document, m_package, m_plan);
    QDialog::accept();
}

}  // namespace kw

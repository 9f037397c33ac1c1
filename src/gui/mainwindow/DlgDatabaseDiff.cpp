#include "gui/mainwindow/DlgDatabaseDiff.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <map>

#include "document/DatabaseDocument.h"

namespace kw {

namespace {

// Records beyond this many are shown collapsed, so a large diff opens quickly readable.
constexpr std::size_t kExpandedRecords = 60;

QString KindCaption(EDiffKind kind) {
    static const std::array<const char*, 7> kCaptions = {
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Land"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Vereine"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Personen"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Wettbewerbe"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Schiedsrichter"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Stadien"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "Regeln")};
    return QCoreApplication::translate("kw::CDlgDatabaseDiff",
                                       kCaptions[static_cast<std::size_t>(kind)]);
}

QString ChangeCaption(EDiffChange change) {
    static const std::array<const char*, 3> kCaptions = {
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "neu"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "entfernt"),
        QT_TRANSLATE_NOOP("kw::CDlgDatabaseDiff", "geändert")};
    return QCoreApplication::translate("kw::CDlgDatabaseDiff",
                                       kCaptions[static_cast<std::size_t>(change)]);
}

QString RecordText(const SRecordDiff& record) {
    QString text =
        ChangeCaption(record.change) + QStringLiteral(": ") + QString::fromStdString(record.name);
    if (!record.club.empty()) {
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(record.club));
    }
    return text;
}

}  // namespace

QComboBox& AddDatabaseChoice(QFormLayout& form, QWidget& parent,
                             const std::vector<CDlgDatabaseDiff::SDatabase>& databases, int current,
                             const QString& currentCaption, const QString& otherCaption) {
    auto* currentLabel = new QLabel(databases[static_cast<std::size_t>(current)].label, &parent);
    currentLabel->setObjectName(QStringLiteral("currentDatabase"));
    form.addRow(currentCaption, currentLabel);
    auto* others = new QComboBox(&parent);
    others->setObjectName(QStringLiteral("otherDatabase"));
    for (std::size_t index = 0; index < databases.size(); ++index) {
        if (static_cast<int>(index) != current) {
            others->addItem(databases[index].label, static_cast<int>(index));
        }
    }
    auto* otherLabel = new QLabel(otherCaption, &parent);
    otherLabel->setBuddy(others);
    form.addRow(otherLabel, others);
    return *others;
}

CDlgDatabaseDiff::CDlgDatabaseDiff(std::vector<SDatabase> databases, int current, QWidget* parent)
    : QDialog(parent), m_databases(std::move(databases)), m_current(current) {
    setWindowTitle(tr("Datenbanken vergleichen"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_others = &AddDatabaseChoice(*form, *this, m_databases, m_current, tr("Aktuelle Datenbank:"),
                                  tr("&Vergleichen mit:"));
    layout->addLayout(form);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("differences"));
    m_tree->setHeaderLabel(tr("Unterschiede (alt → neu)"));
    m_tree->setAccessibleName(tr("Unterschiede"));
    m_tree->setUniformRowHeights(true);
    layout->addWidget(m_tree, 1);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(m_summary);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(tr("Schl&ießen"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_others, &QComboBox::activated, this,
            [this] { CompareWith(m_others->currentData().toInt()); });
    resize(720, 520);
    if (m_others->count() > 0) {
        CompareWith(m_others->itemData(0).toInt());
    }
}

void CDlgDatabaseDiff::CompareWith(int index) {
    if (index < 0 || index >= static_cast<int>(m_databases.size()) || index == m_current) {
        return;
    }
    m_others->setCurrentIndex(m_others->findData(index));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SDatabaseDiff diff =
        DiffWorlds(m_databases[static_cast<std::size_t>(m_current)].document->World(),
                   m_databases[static_cast<std::size_t>(index)].document->World());
    QApplication::restoreOverrideCursor();
    ShowDiff(diff);
}

void CDlgDatabaseDiff::ShowDiff(const SDatabaseDiff& diff) {
    m_tree->clear();
    const bool expand = diff.RecordCount() <= kExpandedRecords;
    for (const SCountryDiff& country : diff.countries) {
        const QString name = country.country == 0 ? tr("Spieler ohne Verein und Regeln")
                                                  : QStringLiteral("%1 %2")
                                                        .arg(country.country)
                                                        .arg(QString::fromStdString(country.name));
        auto* countryItem = new QTreeWidgetItem(
            m_tree, {QStringLiteral("%1 (%2)").arg(name).arg(country.records.size())});
        std::map<EDiffKind, std::vector<const SRecordDiff*>> kinds;
        for (const SRecordDiff& record : country.records) {
            kinds[record.kind].push_back(&record);
        }
        for (const auto& [kind, records] : kinds) {
            auto* kindItem = new QTreeWidgetItem(
                countryItem,
                {QStringLiteral("%1 (%2)").arg(KindCaption(kind)).arg(records.size())});
            for (const SRecordDiff* record : records) {
                auto* recordItem = new QTreeWidgetItem(kindItem, {RecordText(*record)});
                for (const SFieldChange& field : record->fields) {
                    new QTreeWidgetItem(recordItem,
                                        {QStringLiteral("%1: %2 → %3")
                                             .arg(QString::fromStdString(field.field),
                                                  QString::fromStdString(field.before),
                                                  QString::fromStdString(field.after))});
                }
                recordItem->setExpanded(expand);
            }
            kindItem->setExpanded(true);
        }
        countryItem->setExpanded(true);
    }
    if (diff.IsEmpty()) {
        m_summary->setText(tr("Die Datenbanken sind gleich."));
    } else if (diff.RecordCount() == 1) {
        m_summary->setText(tr("1 Eintrag unterscheidet sich."));
    } else {
        m_summary->setText(tr("%1 Einträge unterscheiden sich.").arg(diff.RecordCount()));
    }
}

}  // namespace kw

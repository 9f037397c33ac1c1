#include "gui/mainwindow/QuickFindBar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

#include "document/DatabaseDocument.h"
#include "gui/mainwindow/QtText.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kMinimumRows = 7;
constexpr int kVisibleRows = 10;

QString KindCaption(EFindKind kind) {
    static const std::array<const char*, 6> kCaptions = {
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Verein"),
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Spieler"),
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Personal"),
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Schiedsrichter"),
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Stadion"),
        QT_TRANSLATE_NOOP("kw::CQuickFindBar", "Wettbewerb")};
    return QCoreApplication::translate("kw::CQuickFindBar",
                                       kCaptions[static_cast<std::size_t>(kind)]);
}

}  // namespace

CQuickFindBar::CQuickFindBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Schnell&suche:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("quickFind"));
    m_field->setPlaceholderText(
        tr("Verein, Spieler, Personal, Schiedsrichter, Stadion, Wettbewerb oder Id (Platzhalter * "
           "erlaubt) - Strg+F"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    label->setBuddy(m_field);
    row->addWidget(label);
    row->addWidget(m_field, 1);
    layout->addLayout(row);

    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("quickFindResults"));
    m_results->setHeaderLabels({tr("Art"), tr("Name"), tr("Land"), tr("Verein")});
    m_results->setAccessibleName(tr("Treffer der Schnellsuche"));
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_results->header()->setStretchLastSection(true);
    // Room for a few hits at least; the lists below give way while hits are shown.
    const auto height = [this](int rows) {
        return m_results->header()->sizeHint().height() + m_results->fontMetrics().height() * rows +
               2 * m_results->frameWidth() + rows * 2;
    };
    m_results->setMinimumHeight(height(kMinimumRows));
    m_results->setMaximumHeight(height(kVisibleRows));
    m_results->installEventFilter(this);
    m_results->setVisible(false);
    connect(m_results, &QTreeWidget::itemActivated, this, [this] { ChooseCurrent(); });
    layout->addWidget(m_results);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("quickFindNotice"));
    m_notice->setVisible(false);
    layout->addWidget(m_notice);

    connect(m_field, &QLineEdit::textChanged, this, [this] { Search(); });
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &CQuickFindBar::FocusSearch);
}

CQuickFindBar::~CQuickFindBar() = default;

void CQuickFindBar::SetDocument(const CDatabaseDocument& document) {
    m_document = &document;
    m_index.reset();
    if (!m_field->text().isEmpty()) {
        Search();
    }
}

void CQuickFindBar::FocusSearch() {
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

bool CQuickFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        Clear();
        return true;
    }
    if (watched == m_field && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        ChooseCurrent();
        return true;
    }
    if (watched == m_field && key == Qt::Key_Down && m_results->topLevelItemCount() > 0) {
        m_results->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CQuickFindBar::Search() {
    if (m_document == nullptr || m_field->text().trimmed().isEmpty()) {
        ShowHits({});
        return;
    }
    if (!m_index) {
        m_index = std::make_unique<CQuickFindIndex>(m_document->World(), m_document->Language());
    }
    ShowHits(m_index->Find(ToCp1252(m_field->text())));
}

void CQuickFindBar::ShowHits(const SFindResult& result) {
    m_hits = result.hits;
    m_results->clear();
    const CWorld* world = m_document != nullptr ? &m_document->World() : nullptr;
    QList<QTreeWidgetItem*> items;
    for (const SFindHit& hit : m_hits) {
        QString country;
        QString club;
        if (world != nullptr && hit.country >= 1 && hit.country <= kCountryCount) {
            const CCountry& owner = world->Country(hit.country);
            country = FromCp1252(owner.Name(m_document->Language()));
            if (const CClub* holder = hit.club != 0 ? owner.Club(hit.club) : nullptr) {
                club = FromCp1252(holder->Name(m_document->Language()));
            }
        } else if (hit.kind == EFindKind::Player) {
            club = tr("ohne Verein");
        }
        items.push_back(new QTreeWidgetItem(
            QStringList{KindCaption(hit.kind), FromCp1252(hit.name), country, club}));
    }
    m_results->addTopLevelItems(items);
    if (!items.isEmpty()) {
        m_results->setCurrentItem(items.front());
    }
    const bool searched = !m_field->text().trimmed().isEmpty();
    m_results->setVisible(searched);
    if (searched && result.hits.empty()) {
        m_notice->setText(tr("Keine Treffer."));
    } else if (result.More()) {
        m_notice->setText(tr("%1 Treffer, nur die ersten %2 werden gezeigt.")
                              .arg(result.total)
                              .arg(result.hits.size()));
    }
    m_notice->setVisible(searched && (result.hits.empty() || result.More()));
}

void CQuickFindBar::ChooseCurrent() {
    const int row = m_results->indexOfTopLevelItem(m_results->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= m_hits.size()) {
        return;
    }
    // Copied: the chosen editor may change the database and so refill the hits.
    const SFindHit hit = m_hits[static_cast<std::size_t>(row)];
    emit hitChosen(hit);
}

void CQuickFindBar::Clear() {
    m_field->clear();
    m_field->setFocus();
}

}  // namespace kw

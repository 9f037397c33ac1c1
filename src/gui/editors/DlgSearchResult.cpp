#include "gui/editors/DlgSearchResult.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include "document/DatabaseDocument.h"
#include "editing/SearchCommands.h"
#include "gui/controls/ListContextMenu.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/SearchResultModel.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Column widths in dialog units (a quarter of the average character width each).
constexpr std::array kColumnWidths = {120, 120, 120, 45, 70, 120, 100};

}  // namespace

CDlgSearchResult::CDlgSearchResult(CDatabaseDocument& document, const SSearchCriteria& criteria,
                                   std::uint32_t targetClub, bool offerShowClub, QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_targetClub(targetClub),
      m_offerShowClub(offerShowClub),
      m_model(new CSearchResultModel(this)),
      m_list(new QTreeView(this)),
      m_menu(new QMenu(tr("Suchergebnisse / Liste"), this)),
      m_search(document.World(),
               [this](SSearchHandoff handoff) { emit HandoffReady(std::move(handoff)); }) {
    setObjectName(QStringLiteral("DlgSearchResult"));
    setWindowTitle(tr("Kickwerk 06 - Suchergebnisse"));
    qRegisterMetaType<kw::SSearchHandoff>();
    connect(this, &CDlgSearchResult::HandoffReady, this, &CDlgSearchResult::TakeHandoff,
            Qt::QueuedConnection);

    m_list->setObjectName(QStringLiteral("results"));
    m_list->setAccessibleName(tr("Suchergebnisse"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = m_list->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(true);
    int width = 0;
    const int unit = m_list->fontMetrics().averageCharWidth();
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column) {
        const int pixels = kColumnWidths[column] * unit / 4 + unit;
        header->resizeSection(static_cast<int>(column), pixels);
        width += pixels;
    }
    m_list->setMinimumSize(width + 2 * m_list->frameWidth() + unit * 4, unit * 60);
    connect(header, &QHeaderView::sectionClicked, this, &CDlgSearchResult::SortByColumn);
    connect(m_list, &QTreeView::doubleClicked, this, [this] {
        if (m_offerShowClub) {
            ShowClub();
        }
    });
    ConnectContextMenu(*m_list, [this](const QPoint& at) { m_menu->exec(at); });

    m_menu->setObjectName(QStringLiteral("resultMenu"));
    m_fetch = m_menu->addAction(tr("Spieler holen"), this, &CDlgSearchResult::FetchPlayer);
    m_transfer =
        m_menu->addAction(tr("Spieler transferieren"), this, &CDlgSearchResult::TransferPlayer);
    m_delete = m_menu->addAction(tr("Spieler löschen"), this, &CDlgSearchResult::DeletePlayer);
    m_showClub = m_menu->addAction(tr("Verein anzeigen"), this, &CDlgSearchResult::ShowClub);
    connect(m_menu, &QMenu::aboutToShow, this, &CDlgSearchResult::EnableCommands);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(MakeOkCancelButtons(*this));

    header->setSortIndicator(m_order.Column(), Qt::AscendingOrder);
    m_run = m_search.Start(criteria);
    m_searching = true;
}

CDlgSearchResult::~CDlgSearchResult() {
    // The worker emits through this window: it ends before the window does.
    m_search.Cancel();
}

SSearchOutcome CDlgSearchResult::RunSearchLoop(CDatabaseDocument& document,
                                               std::uint32_t targetClub, bool offerShowClub,
                                               QWidget* parent) {
    SSearchOutcome total;
    for (;;) {
        const std::optional<SSearchCriteria> criteria = CDlgPlayerSearch::Ask(parent);
        if (!criteria) {
            return total;
        }
        CDlgSearchResult results(document, *criteria, targetClub, offerShowClub, parent);
        const bool confirmed = results.exec() == QDialog::Accepted;
        total.changed = total.changed || results.Outcome().changed;
        if (!confirmed) {
            return total;
        }
        if (results.Outcome().clubToShow != 0) {
            total.clubToShow = results.Outcome().clubToShow;
            return total;
        }
    }
}

SSearchHit CDlgSearchResult::SelectedHit() const {
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isRowSelected(current.row(), {})) {
        return {};
    }
    return m_model->Rows().at(static_cast<std::size_t>(current.row())).hit;
}

void CDlgSearchResult::SelectPerson(std::uint32_t personId) {
    const int row = m_model->RowOfPerson(personId);
    if (row < 0) {
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void CDlgSearchResult::EnableCommands() {
    const SSearchHit hit = SelectedHit();
    const bool selected = hit.personId != 0;
    m_fetch->setEnabled(selected &&
                        CanMoveSearchedPlayer(m_document.World(), hit.personId, m_targetClub));
    m_transfer->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_showClub->setEnabled(m_offerShowClub && hit.clubId != 0);
}

void CDlgSearchResult::FetchPlayer() {
    const SSearchHit hit = SelectedHit();
    if (hit.personId == 0 || m_targetClub == 0) {
        return;
    }
    const std::uint32_t target = m_targetClub;
    RunCommand(
        [this, hit, target] { return FetchSearchedPlayer(m_document, hit.personId, target); });
}

void CDlgSearchResult::TransferPlayer() {
    const SSearchHit hit = SelectedHit();
    if (hit.personId == 0) {
        return;
    }
    const int startCountry = hit.clubId != 0 ? ClubCountry(hit.clubId) : ClubCountry(m_targetClub);
    const std::optional<std::uint32_t> target =
        CDlgSelectClub::Choose(m_document.World(), m_document.Language(), startCountry, this);
    // The player's own club: nothing to do, and nothing to search again.
    if (!target || (hit.clubId != 0 && SameClub(*target, hit.clubId))) {
        return;
    }
    const std::uint32_t chosen = *target;
    RunCommand(
        [this, hit, chosen] { return TransferSearchedPlayer(m_document, hit.personId, chosen); });
}

void CDlgSearchResult::DeletePlayer() {
    const SSearchHit hit = SelectedHit();
    if (hit.personId != 0) {
        RunCommand([this, hit] { return DeleteSearchedPlayer(m_document, hit.personId); });
    }
}

void CDlgSearchResult::ShowClub() {
    const SSearchHit hit = SelectedHit();
    if (hit.clubId == 0) {
        return;
    }
    m_outcome.clubToShow = hit.clubId;
    accept();
}

void CDlgSearchResult::done(int result) {
    m_search.Cancel();
    m_searching = false;
    CDialogB::done(result);
}

void CDlgSearchResult::TakeHandoff(const SSearchHandoff& handoff) {
    if (handoff.run != m_run) {
        return;
    }
    const CWorld& world = m_document.World();
    const int language = m_document.Language();
    for (const SSearchHit& hit : handoff.hits) {
        m_found.push_back(MakeSearchRow(world, hit, language));
    }
    ShowRows();
    m_search.Taken(handoff.run);
    if (handoff.finished) {
        m_searching = false;
        emit SearchFinished();
    }
}

void CDlgSearchResult::ShowRows() {
    const SSearchHit selected = SelectedHit();
    const std::uint32_t keep = selected.personId != 0 ? selected.personId : m_reselect;
    m_model->SetRows(m_found, m_order);
    if (keep != 0) {
        SelectPerson(keep);
    }
}

void CDlgSearchResult::SortByColumn(int column) {
    m_order.Click(column);
    m_list->header()->setSortIndicator(
        column, m_order.Descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    ShowRows();
}

void CDlgSearchResult::RunCommand(const std::function<bool()>& command) {
    m_reselect = SelectedHit().personId;
    if (m_search.ChangeWorld(command)) {
        m_outcome.changed = true;
    }
    // The new run starts from an empty list; handoffs of the old one are passed over.
    m_run = m_search.CurrentRun();
    m_searching = true;
    m_found.clear();
    m_model->SetRows({}, m_order);
}

}  // namespace kw

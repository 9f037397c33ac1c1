#include "gui/mainwindow/DlgDatabaseCopy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/DlgClubCopy.h"
#include "gui/mainwindow/DlgCountryCopy.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/SyncTreeWidget.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

CDlgDatabaseCopy::CDlgDatabaseCopy(CDatabaseSlots& databases, IUserInterface& ui, QWidget* parent)
    : CDialogB(parent), m_databases(databases), m_ui(ui) {
    setWindowTitle(FromCp1252(GuiString(ids::kSyncCaption)));
    auto* layout = new QHBoxLayout(this);
    int current = 0;
    for (int slot = 0; slot < m_databases.Count(); ++slot) {
        if (m_databases.Slot(slot) == m_databases.Current()) {
            current = slot;
        }
    }
    m_left = MakeSide("left", current, tr("Linke Datenbank"), tr("Inhalt der linken Datenbank"));
    m_right = MakeSide("right", 0, tr("Rechte Datenbank"), tr("Inhalt der rechten Datenbank"));
    for (const SSide* side : {&m_left, &m_right}) {
        auto* column = new QVBoxLayout;
        column->addWidget(side->choice);
        column->addWidget(side->tree, 1);
        layout->addLayout(column, 1);
    }
    resize(720, 560);
}

CDlgDatabaseCopy::SSide CDlgDatabaseCopy::MakeSide(const char* name, int slot,
                                                   const QString& choiceName,
                                                   const QString& treeName) {
    SSide side;
    side.choice = new QComboBox(this);
    side.choice->setObjectName(QStringLiteral("%1Database").arg(QLatin1String(name)));
    side.choice->setAccessibleName(choiceName);
    for (int index = 0; index < m_databases.Count(); ++index) {
        side.choice->addItem(FromCp1252(SlotDisplayName(m_databases.SlotDirectory(index))), index);
    }
    side.choice->setCurrentIndex(side.choice->findData(slot));
    side.tree =
        new CSyncTreeWidget([this](const QString& text) { return MakeDragImage(text); }, this);
    side.tree->setObjectName(QStringLiteral("%1Tree").arg(QLatin1String(name)));
    side.tree->setAccessibleName(treeName);
    side.tree->setMinimumSize(260, 360);
    FillTree(side);
    connect(side.choice, &QComboBox::currentIndexChanged, this, [this, side] { FillTree(side); });
    connect(side.tree, &CSyncTreeWidget::Dropped, this, &CDlgDatabaseCopy::Drop);
    return side;
}

void CDlgDatabaseCopy::FillTree(const SSide& side) {
    const int slot = side.choice->currentData().toInt();
    const CDatabaseDocument* document = m_databases.Slot(slot);
    side.tree->Fill(document != nullptr ? SyncTree(*document, slot) : std::vector<SSyncNode>());
}

bool CDlgDatabaseCopy::AskMask(const SDropDecision& decision) {
    if (decision.action == EDropAction::CopyClub) {
        CDlgClubCopy dialog(m_clubMask, this);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        m_clubMask = dialog.Mask();
    } else if (decision.action == EDropAction::CopyCountry) {
        CDlgCountryCopy dialog(m_countryMask, this);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        m_countryMask = dialog.Mask();
    }
    return true;
}

void CDlgDatabaseCopy::Drop(const SSyncItem& dragged, const SSyncItem& target) {
    CDatabaseDocument* source = m_databases.Slot(dragged.slot);
    CDatabaseDocument* destination = m_databases.Slot(target.slot);
    if (source == nullptr || destination == nullptr) {
        return;
    }
    const SDropDecision decision = DecideDrop(dragged, target, *source, *destination);
    if (decision.action == EDropAction::Refuse) {
        m_ui.ShowError(decision.message);
        return;
    }
    if (decision.action == EDropAction::Nothing || !AskMask(decision)) {
        return;
    }
    const std::uint32_t mask =
        decision.action == EDropAction::CopyCountry ? m_countryMask : m_clubMask;
    const std::optional<SSyncItem> shown =
        CarryOutDrop(decision, dragged, source->World(), *destination, mask);
    if (!shown) {
        return;
    }
    // Both trees may show the target database.
    for (const SSide* side : {&m_left, &m_right}) {
        if (side->choice->currentData().toInt() == target.slot) {
            FillTree(*side);
            side->tree->Reveal(*shown);
        }
    }
}

void CDlgDatabaseCopy::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CDialogB::keyPressEvent(event);
}

}  // namespace kw

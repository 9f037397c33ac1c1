#include "gui/editors/DlgClubBadgeManage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "assets/Dib.h"
#include "assets/GlobalTools.h"
#include "editing/BadgePreview.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/ShowBitmap.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kPreviewSide = 160;

}  // namespace

CDlgClubBadgeManage::CDlgClubBadgeManage(const CGlobalTools& tools, const CWorld& world,
                                         int language, std::string currentPath,
                                         int colourCombination, QWidget* parent)
    : CDialogB(parent),
      m_tools(tools),
      m_colourCombination(colourCombination),
      m_groups(BuildBadgeGroups(tools.BadgeDirectory(), tools.BadgeArchive(), world)),
      m_groupItems(BadgeGroupItems(m_groups, world, language)),
      m_groupCombo(new QComboBox(this)),
      m_badgeList(new QListWidget(this)),
      m_preview(new CShowBitmap(this)),
      m_pathLine(new QLineEdit(this)) {
    setObjectName(QStringLiteral("DlgClubBadgeManage"));
    setWindowTitle(tr("Vereinswappen auswählen"));
    m_groupCombo->setObjectName(QStringLiteral("groups"));
    m_badgeList->setObjectName(QStringLiteral("badges"));
    m_badgeList->setAccessibleName(tr("Wappen"));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_pathLine->setObjectName(QStringLiteral("path"));
    m_pathLine->setAccessibleName(tr("Wappendatei"));
    m_pathLine->setReadOnly(true);
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);

    auto* country = new QLabel(tr("&Land"), this);
    country->setBuddy(m_groupCombo);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ResourceQString(ids::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(ResourceQString(ids::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgClubBadgeManage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgClubBadgeManage::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(country, 0, 0);
    layout->addWidget(m_groupCombo, 0, 1);
    layout->addWidget(m_badgeList, 1, 0, 1, 2);
    layout->addWidget(m_preview, 0, 2, 2, 1, Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(m_pathLine, 2, 0, 1, 3);
    layout->addWidget(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    for (const SBadgeGroupItem& item : m_groupItems) {
        m_groupCombo->addItem(Cp1252ToQString(item.name), item.group);
    }
    const SBadgeSelection selection =
        PreselectBadge(m_groups, m_groupItems, tools.BadgeArchive(), currentPath);
    m_groupCombo->setCurrentIndex(selection.groupItem);
    ShowGroup(selection.groupItem);
    for (int row = 0; row < m_badgeList->count(); ++row) {
        if (m_badgeList->item(row)->data(Qt::UserRole).toInt() == selection.entry) {
            m_badgeList->setCurrentRow(row);
            ShowBadge();
            break;
        }
    }
    connect(m_groupCombo, &QComboBox::currentIndexChanged, this, &CDlgClubBadgeManage::ShowGroup);
    connect(m_badgeList, &QListWidget::currentRowChanged, this, &CDlgClubBadgeManage::ShowBadge);
    m_groupCombo->setFocus();
}

void CDlgClubBadgeManage::ShowGroup(int groupItem) {
    const QSignalBlocker blocker(m_badgeList);
    m_badgeList->clear();
    m_preview->Clear();
    m_pathLine->clear();
    if (groupItem < 0 || static_cast<std::size_t>(groupItem) >= m_groupItems.size()) {
        return;
    }
    const int group = m_groupItems[static_cast<std::size_t>(groupItem)].group;
    if (group == kNoBadgeGroup) {
        return;
    }
    for (const SBadgeItem& badge :
         BadgeItems(m_groups[static_cast<std::size_t>(group)], m_tools.BadgeArchive())) {
        auto* item = new QListWidgetItem(Cp1252ToQString(badge.name), m_badgeList);
        item->setData(Qt::UserRole, badge.entry);
    }
}

void CDlgClubBadgeManage::ShowBadge() {
    const SBadgeSelection selection = Selection();
    m_preview->Clear();
    m_pathLine->clear();
    if (selection.entry < 0) {
        return;
    }
    const int group = m_groupItems[static_cast<std::size_t>(selection.groupItem)].group;
    const std::string path = BadgeEntryPath(m_groups[static_cast<std::size_t>(group)]
                                                .entries[static_cast<std::size_t>(selection.entry)],
                                            m_tools.BadgeArchive());
    m_pathLine->setText(Cp1252ToQString(path));
    const SBadgePreview badge = LoadBadgePreview(m_tools, path);
    CDib dib;
    if (badge.bitmap && dib.LoadFromMemory(*badge.bitmap)) {
        m_preview->SetDib(dib, true);
    }
}

SBadgeSelection CDlgClubBadgeManage::Selection() const {
    SBadgeSelection selection{m_groupCombo->currentIndex(), -1};
    if (const QListWidgetItem* item = m_badgeList->currentItem()) {
        selection.entry = item->data(Qt::UserRole).toInt();
    }
    return selection;
}

void CDlgClubBadgeManage::accept() {
    const SBadgeChoiceResult result = BadgeChoiceOnOk(
        m_groups, m_groupItems, m_tools.BadgeArchive(), Selection(), m_colourCombination);
    switch (result.kind) {
        case EBadgeChoice::kNothing:
            reject();
            return;
        case EBadgeChoice::kTooLong:
            QMessageBox::warning(this, ResourceQString(ids::kApplicationTitle),
                                 Cp1252ToQString(FormatPrintf(
                                     GuiString(ids::kBadgePathTooLong).data(), result.path.c_str(),
                                     static_cast<int>(kMaxBadgePathLength))));
            return;
        case EBadgeChoice::kPath:
            m_chosenPath = result.path;
            CDialogB::accept();
            return;
    }
}

}  // namespace kw

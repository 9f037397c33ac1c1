#include "gui/editors/club/DlgClubBadge.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/InstallationData.h"
#include "assets/Dib.h"
#include "editing/BadgePreview.h"
#include "editing/KitColours.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/SelectColour.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/editors/DlgClubBadgeManage.h"
#include "model/Club.h"
#include "storage/TextTable.h"

namespace kw {

namespace {

constexpr int kBadgeSide = 160;

}  // namespace

CDlgClubBadge::CDlgClubBadge(SClubEditContext& context, QWidget* parent)
    : CClubPage(context, parent),
      m_badge(new CShowBitmap(this)),
      m_file(new QLabel(this)),
      m_clubColour{EBadgeColour::kClub, new CSelectColour(this)},
      m_merchandiseColour{EBadgeColour::kMerchandise, new CSelectColour(this)},
      m_choose(new QPushButton(tr("Wappen &auswählen"), this)) {
    setObjectName(QStringLiteral("DlgClubBadge"));
    m_badge->setObjectName(QStringLiteral("badge"));
    m_badge->setFixedSize(kBadgeSide, kBadgeSide);
    m_file->setObjectName(QStringLiteral("file"));
    m_file->setWordWrap(true);
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_clubColour.combo->setObjectName(QStringLiteral("clubColour"));
    m_merchandiseColour.combo->setObjectName(QStringLiteral("merchandiseColour"));
    m_choose->setObjectName(QStringLiteral("chooseBadge"));

    auto* badgeBox = new QGroupBox(tr("Wappen"), this);
    auto* badgeLayout = new QGridLayout(badgeBox);
    badgeLayout->addWidget(m_badge, 0, 0, 1, 2, Qt::AlignHCenter);
    badgeLayout->addWidget(new QLabel(tr("Aktuelle Datei:"), badgeBox), 1, 0, Qt::AlignTop);
    badgeLayout->addWidget(m_file, 1, 1);
    badgeLayout->addWidget(m_choose, 2, 0, 1, 2, Qt::AlignLeft);
    badgeLayout->setColumnStretch(1, 1);

    auto* colourBox = new QGroupBox(tr("Farben"), this);
    auto* colourLayout = new QGridLayout(colourBox);
    auto* clubLabel = new QLabel(tr("&Vereinsfarbe"), colourBox);
    clubLabel->setBuddy(m_clubColour.combo);
    auto* merchandiseLabel = new QLabel(tr("&Fanartikelfarbe"), colourBox);
    merchandiseLabel->setBuddy(m_merchandiseColour.combo);
    colourLayout->addWidget(clubLabel, 0, 0);
    colourLayout->addWidget(m_clubColour.combo, 0, 1);
    colourLayout->addWidget(merchandiseLabel, 1, 0);
    colourLayout->addWidget(m_merchandiseColour.combo, 1, 1);
    colourLayout->setColumnStretch(1, 1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(badgeBox, 0, 0);
    layout->addWidget(colourBox, 1, 0);
    layout->setRowStretch(2, 1);

    connect(m_choose, &QPushButton::clicked, this, &CDlgClubBadge::ChooseBadge);
}

const CTeamColourTextFile& CDlgClubBadge::Table(EBadgeColour which) const {
    const CTextTables& tables = Context().installation.TextTables();
    return which == EBadgeColour::kClub ? tables.TeamColours() : tables.MerchandiseColours();
}

void CDlgClubBadge::Load() {
    const CClub& club = Context().club;
    const SBadgePreview badge =
        LoadBadgePreview(Context().installation.Tools(), club.BadgePath().View());
    CDib dib;
    if (badge.bitmap && dib.LoadFromMemory(*badge.bitmap)) {
        m_badge->SetDib(dib, true);
    } else {
        m_badge->Clear();
    }
    m_file->setText(Cp1252ToQString(badge.fileText));
    LoadColour(m_clubColour);
    LoadColour(m_merchandiseColour);
}

void CDlgClubBadge::LoadColour(SColourChoice& choice) {
    const CTeamColourTextFile& table = Table(choice.which);
    choice.combo->clear();
    for (std::int32_t entry = 0; entry < table.GetCount(); ++entry) {
        const SKitRgb colour = KitRgbFromTable(table.GetColour(entry));
        choice.combo->AddColour(table.GetText(entry),
                                QColor(colour.red, colour.green, colour.blue));
    }
    choice.loadedEntry =
        BadgeColourEntry(table.Entries(), BadgeColourNumber(Context().club, choice.which));
    choice.combo->setCurrentIndex(choice.loadedEntry);
}

void CDlgClubBadge::StoreInto(CClub& club) const {
    StoreColour(m_clubColour, club);
    StoreColour(m_merchandiseColour, club);
}

std::optional<std::uint8_t> CDlgClubBadge::ChosenNumber(const SColourChoice& choice) const {
    return BadgeColourToStore(Table(choice.which).Entries(), choice.loadedEntry,
                              choice.combo->currentIndex());
}

void CDlgClubBadge::StoreColour(const SColourChoice& choice, CClub& club) const {
    if (const auto number = ChosenNumber(choice)) {
        SetBadgeColourNumber(club, choice.which, *number);
    }
}

void CDlgClubBadge::ChooseBadge() {
    CClub& club = Context().club;
    // " Kein Wappen" gives the template of the club colour as chosen now, stored or not.
    const int combination = ChosenNumber(m_clubColour).value_or(club.Colour(0));
    CDlgClubBadgeManage dialog(Context().installation.Tools(), Context().world, Context().language,
                               std::string(club.BadgePath().View()), combination, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Store();
    club.SetBadgePath(dialog.ChosenPath());
    Load();
}

}  // namespace kw

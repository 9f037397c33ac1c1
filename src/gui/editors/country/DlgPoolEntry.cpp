#include "gui/editors/country/DlgPoolEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/country/PersonDialogFields.h"
#include "gui/editors/player/PageFields.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// The record's fields without their terminating zero.
constexpr int kPoolFirstNameLength = 15;
constexpr int kPoolSurnameLength = 19;

QComboBox* ValueCombo(const QString& name, int count, std::string_view (*text)(int), int value,
                      QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (int item = 0; item < count; ++item) {
        combo->addItem(Cp1252ToQString(text(item)), item);
    }
    // A stored value beyond the list selects nothing and is kept.
    combo->setCurrentIndex(combo->findData(value));
    return combo;
}

int ChosenOr(const QComboBox& combo, int original) {
    return combo.currentIndex() >= 0 ? combo.currentData().toInt() : original;
}

}  // namespace

CDlgPoolEntry::CDlgPoolEntry(const CWorld& world, int language, const CPoolEntry& entry,
                             QWidget* parent)
    : CDialogB(parent),
      m_world(world),
      m_language(language),
      m_original(entry),
      m_club(entry.PreferredClub()),
      m_firstName(MakeNameField(QStringLiteral("firstName"), entry.FirstName().View(),
                                kPoolFirstNameLength, this)),
      m_surname(MakeNameField(QStringLiteral("surname"), entry.Surname().View(), kPoolSurnameLength,
                              this)),
      m_nationality(new QComboBox(this)),
      m_ability(ValueCombo(QStringLiteral("ability"), CPoolEntry::kAbilityCount, PoolAbilityName,
                           entry.SpecialAbility(), this)),
      m_teamPart(ValueCombo(QStringLiteral("teamPart"), CPoolEntry::kTeamPartCount,
                            PoolTeamPartName, entry.TeamPart(), this)),
      m_clubName(MakeClubNameLabel(this, QStringLiteral("preferredClub"))),
      m_chooseClub(MakeChooseClubButton(this, QStringLiteral("chooseClub"))),
      m_createAClub(new QCheckBox(ResourceQString(ids::kCreateAClub), this)) {
    setObjectName(QStringLiteral("DlgPoolEntry"));
    setWindowTitle(tr("Jugendspieler"));
    m_nationality->setObjectName(QStringLiteral("nationality"));
    FillCountryCombo(*m_nationality, world, language, entry.Nationality());
    m_createAClub->setObjectName(QStringLiteral("createAClub"));
    m_createAClub->setChecked(m_club == CPoolEntry::kCreateAClub);

    auto* grid = new QGridLayout;
    AddFieldRow(grid, tr("&Vorname"), m_firstName);
    AddFieldRow(grid, tr("&Nachname"), m_surname);
    AddFieldRow(grid, tr("Nat&ionalität"), m_nationality);
    AddFieldRow(grid, tr("&Fähigkeit"), m_ability);
    AddFieldRow(grid, tr("&Mannschaftsteil"), m_teamPart);
    auto* clubGroup = new QHBoxLayout;
    clubGroup->addWidget(m_clubName, 1);
    clubGroup->addWidget(m_chooseClub);
    auto* clubLabel = new QLabel(tr("Bevorzugter Verein"), this);
    const int row = grid->rowCount();
    grid->addWidget(clubLabel, row, 0);
    grid->addLayout(clubGroup, row, 1, 1, 2);
    grid->addWidget(m_createAClub, row + 1, 1, 1, 2);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(m_chooseClub, &QPushButton::clicked, this, &CDlgPoolEntry::ChooseClub);
    connect(m_createAClub, &QCheckBox::toggled, this, [this](bool checked) {
        // Unticking forgets the game's own club: no club is preferred then.
        m_club = checked ? CPoolEntry::kCreateAClub
                         : (m_original.PreferredClub() == CPoolEntry::kCreateAClub
                                ? 0
                                : m_original.PreferredClub());
        ShowClub();
    });
    connect(m_surname, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    m_ok->setEnabled(!m_surname->text().trimmed().isEmpty());
    ShowClub();
    m_firstName->setFocus();
}

std::optional<CPoolEntry> CDlgPoolEntry::Ask(const CWorld& world, int language,
                                             const CPoolEntry& entry, QWidget* parent) {
    CDlgPoolEntry dialog(world, language, entry, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Entry();
}

CPoolEntry CDlgPoolEntry::Entry() const {
    CPoolEntry entry = m_original;
    entry.SetFirstName(StoredName(*m_firstName, m_original.FirstName().View()));
    entry.SetSurname(StoredName(*m_surname, m_original.Surname().View()));
    entry.SetNationality(
        static_cast<std::uint8_t>(ChosenOr(*m_nationality, m_original.Nationality())));
    entry.SetSpecialAbility(
        static_cast<std::uint8_t>(ChosenOr(*m_ability, m_original.SpecialAbility())));
    entry.SetTeamPart(static_cast<std::uint8_t>(ChosenOr(*m_teamPart, m_original.TeamPart())));
    entry.SetPreferredClub(m_club);
    return entry;
}

void CDlgPoolEntry::ChooseClub() {
    const int country = m_club != CPoolEntry::kCreateAClub && m_club != 0
                            ? ClubCountry(m_club)
                            : m_original.Nationality();
    if (const auto club = CDlgSelectClub::Choose(m_world, m_language, country, this)) {
        m_club = *club;
        const QSignalBlocker quiet(m_createAClub);
        m_createAClub->setChecked(false);
        ShowClub();
    }
}

void CDlgPoolEntry::ShowClub() {
    m_clubName->setText(m_club == CPoolEntry::kCreateAClub
                            ? QString()
                            : Cp1252ToQString(PreferredClubName(m_world, m_club, m_language)));
    m_chooseClub->setEnabled(m_club != CPoolEntry::kCreateAClub);
}

}  // namespace kw

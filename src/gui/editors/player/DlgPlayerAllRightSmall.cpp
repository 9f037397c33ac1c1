#include "gui/editors/player/DlgPlayerAllRightSmall.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "editing/PlayerCharacterRules.h"
#include "editing/PlayerPositionRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/NotStoredValue.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/player/PageFields.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"

namespace kw {

CDlgPlayerAllRightSmall::CDlgPlayerAllRightSmall(QWidget* parent)
    : CDialogB(parent, ERole::Page),
      m_talent(new QComboBox(this)),
      m_potential(new CSpinEditCtrl(this)),
      m_calculate(new QPushButton(tr("Berechne &Potenzial"), this)),
      m_teammates(new QComboBox(this)),
      m_shirtNumber(new QLabel(this)),
      m_note(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DlgPlayerAllRightSmall"));
    m_talent->setObjectName(QStringLiteral("talent"));
    for (int talent = 0; talent <= kMaxTalent; ++talent) {
        m_talent->addItem(Cp1252ToQString(TalentText(talent)), talent);
    }
    m_potential->setObjectName(QStringLiteral("potential"));
    m_potential->SetRange(kMinPotential, kMaxPotential);
    ShowNotStored(*m_potential);
    m_calculate->setObjectName(QStringLiteral("calculatePotential"));
    m_calculate->setAutoDefault(false);
    m_teammates->setObjectName(QStringLiteral("teammateEffect"));
    for (int effect = 0; effect < kTeammateEffectCount; ++effect) {
        m_teammates->addItem(Cp1252ToQString(TeammateEffectText(effect)), effect);
    }
    ShowNotStored(*m_teammates);

    auto* playerGroup = new QGroupBox(tr("Spieler"), this);
    auto* grid = new QGridLayout(playerGroup);
    grid->addWidget(MakeBuddy(tr("&Talent"), m_talent, playerGroup), 0, 0);
    grid->addWidget(m_talent, 0, 1, 1, 2);
    const QString potential = tr("Potenzial");
    grid->addWidget(MakeBuddy(potential, m_potential, playerGroup), 1, 0);
    NameTypingFields(*m_potential, potential);
    grid->addWidget(m_potential, 1, 1);
    grid->addWidget(m_calculate, 1, 2);
    grid->addWidget(MakeBuddy(tr("Mitspieler"), m_teammates, playerGroup), 2, 0);
    grid->addWidget(m_teammates, 2, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    auto* otherGroup = new QGroupBox(tr("Werte von anderen Screens"), this);
    auto* values = new QGridLayout(otherGroup);
    m_shirtNumber->setObjectName(QStringLiteral("shirtNumber"));
    values->addWidget(new QLabel(tr("Rückennummer"), otherGroup), 0, 0);
    values->addWidget(m_shirtNumber, 0, 1);
    const std::array<QString, 3> captions = {tr("Hauptposition"), tr("Nebenpositionen"), QString()};
    for (std::size_t row = 0; row < m_positions.size(); ++row) {
        values->addWidget(new QLabel(captions[row], otherGroup), static_cast<int>(row) + 1, 0);
        for (std::size_t column = 0; column < 2; ++column) {
            auto* label = new QLabel(otherGroup);
            label->setObjectName(QStringLiteral("position%1_%2").arg(row).arg(column));
            if (column == 1) {
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            values->addWidget(label, static_cast<int>(row) + 1, static_cast<int>(column) + 1);
            m_positions[row][column] = label;
        }
    }
    m_note->setObjectName(QStringLiteral("note"));
    // Without it the note would be named by its group's title.
    m_note->setAccessibleName(tr("Kommentar"));
    m_note->setReadOnly(true);
    m_note->setTabChangesFocus(true);
    m_note->setFixedHeight(m_note->fontMetrics().lineSpacing() * 3 + 2 * m_note->frameWidth() + 8);
    values->addWidget(m_note, 4, 0, 1, 3);
    values->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(playerGroup);
    layout->addWidget(otherGroup);
    layout->addStretch(1);

    connect(m_talent, &QComboBox::activated, this, &CDlgPlayerAllRightSmall::StoreNow);
    connect(m_calculate, &QPushButton::clicked, this,
            &CDlgPlayerAllRightSmall::CalculatePotentialFromPlayer);
}

void CDlgPlayerAllRightSmall::Load(const CPlayer* player, CDate today) {
    m_player = player;
    m_today = today;
    setEnabled(player != nullptr);
    const QSignalBlocker quiet(m_talent);
    m_talent->setCurrentIndex(player != nullptr ? Talent(*player) : -1);
    m_loadedTalent = m_talent->currentIndex();
    m_potential->Clear();
    m_shirtNumber->setText(player != nullptr ? QString::number(player->ShirtNumbers()[0])
                                             : QString());
    // The main position and the first two further ones.
    for (std::size_t row = 0; row < m_positions.size(); ++row) {
        QString name;
        QString strength;
        if (player != nullptr && player->Positions()[row] != position::kNone) {
            const int code = player->Positions()[row];
            const QStringList parts =
                Cp1252ToQString(PositionStrengthText(code, StrengthAt(*player, code)))
                    .split(QLatin1Char('\t'));
            name = parts.value(0);
            strength = parts.value(1);
        }
        m_positions[row][0]->setText(name);
        m_positions[row][1]->setText(strength);
    }
    m_note->setPlainText(player != nullptr ? Cp1252ToQString(NoteForEditor(player->Note()))
                                           : QString());
}

void CDlgPlayerAllRightSmall::StoreInto(CPlayer& copy) const {
    if (m_talent->currentIndex() != m_loadedTalent && m_talent->currentIndex() >= 0) {
        SetTalent(copy, m_talent->currentIndex());
    }
}

void CDlgPlayerAllRightSmall::CalculatePotentialFromPlayer() {
    if (m_player == nullptr) {
        return;
    }
    const int talent = std::max(0, m_talent->currentIndex());
    m_potential->SetValue(CalculatePotential(BestStrength(*m_player).strength, talent,
                                             AgeOn(m_player->BirthDate(), m_today)));
    m_potential->Field()->setText(QString::number(m_potential->StoredValue()));
}

}  // namespace kw

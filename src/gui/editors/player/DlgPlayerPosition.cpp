#include "gui/editors/player/DlgPlayerPosition.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/LanguageList.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/player/PageFields.h"
#include "model/Player.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

std::string_view FootNumber(int value) {
    static const std::array<std::string, kMaxFoot + 1> kNumbers = {"0", "1", "2", "3"};
    return value >= 0 && value <= kMaxFoot
               ? std::string_view(kNumbers[static_cast<std::size_t>(value)])
               : std::string_view();
}

}  // namespace

CDlgPlayerPosition::CDlgPlayerPosition(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent) {
    setObjectName(QStringLiteral("DlgPlayerPosition"));
    auto* left = new QVBoxLayout;
    left->addWidget(CreatePositionGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(CreateExperienceGroup());
    right->addWidget(CreateLanguageGroup());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

QGroupBox* CDlgPlayerPosition::CreatePositionGroup() {
    auto* group = new QGroupBox(tr("Positionen"), this);
    auto* form = new QFormLayout(group);
    for (std::size_t slot = 0; slot < m_positions.size(); ++slot) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(QStringLiteral("position%1").arg(slot));
        // The main position is never none: its list starts at "TO" and stores index + 1.
        for (int code = slot == 0 ? 1 : 0; code <= kLastPosition; ++code) {
            combo->addItem(ResourceQString(ids::kPositionNames + code), code);
        }
        m_positions[slot] = combo;
    }
    form->addRow(new QLabel(tr("Hauptpositionen"), group));
    form->addRow(MakeBuddy(tr("&Hauptposition"), m_positions[0], group), m_positions[0]);
    form->addRow(new QLabel(tr("Nebenpositionen"), group));
    for (std::size_t slot = 1; slot < m_positions.size(); ++slot) {
        form->addRow(MakeBuddy(tr("&%1.").arg(slot), m_positions[slot], group), m_positions[slot]);
        // The label is only the number under "Nebenpositionen".
        m_positions[slot]->setAccessibleName(tr("Nebenposition %1").arg(slot));
    }
    return group;
}

CDlgPlayerPosition::SValueBar CDlgPlayerPosition::MakeBar(const char* name, int maximum,
                                                          std::string_view (*text)(int),
                                                          QWidget* parent) {
    SValueBar made;
    made.bar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, parent);
    made.bar->setObjectName(QString::fromLatin1(name));
    made.bar->setRange(0, maximum);
    made.bar->setPageStep(1);
    made.bar->setMinimumWidth(120);
    made.describe = text;
    made.text = new QLabel(parent);
    made.text->setObjectName(QString::fromLatin1(name) + QStringLiteral("Text"));
    int widest = 0;
    for (int value = 0; value <= maximum; ++value) {
        widest = std::max(widest,
                          made.text->fontMetrics().horizontalAdvance(Cp1252ToQString(text(value))));
    }
    made.text->setMinimumWidth(widest);
    QLabel* label = made.text;
    connect(made.bar, &CValueScrollBar::BarValueChanged, label,
            [label, text](int value) { label->setText(Cp1252ToQString(text(value))); });
    return made;
}

QGroupBox* CDlgPlayerPosition::CreateExperienceGroup() {
    auto* group = new QGroupBox(tr("Fuß und Erfahrung"), this);
    auto* grid = new QGridLayout(group);
    m_foot = MakeBar("foot", kMaxFoot, &FootNumber, group);
    grid->addWidget(MakeBuddy(tr("Bevorzugter &Fuß"), m_foot.bar, group), 0, 0);
    grid->addWidget(m_foot.bar, 0, 1);
    grid->addWidget(m_foot.text, 0, 2);

    m_experienceGroup = new QGroupBox(tr("Nur Spieler"), group);
    auto* experience = new QGridLayout(m_experienceGroup);
    m_national = MakeBar("nationalExperience", kMaxNationalExperience, &NationalExperienceText,
                         m_experienceGroup);
    m_international = MakeBar("internationalExperience", kMaxInternationalExperience,
                              &InternationalExperienceText, m_experienceGroup);
    experience->addWidget(MakeBuddy(tr("&Nat. Erfahrung"), m_national.bar, m_experienceGroup), 0,
                          0);
    experience->addWidget(m_national.bar, 0, 1);
    experience->addWidget(m_national.text, 0, 2);
    experience->addWidget(
        MakeBuddy(tr("&Internationale Erfahrung"), m_international.bar, m_experienceGroup), 1, 0);
    experience->addWidget(m_international.bar, 1, 1);
    experience->addWidget(m_international.text, 1, 2);
    m_tactics = new CSpinEditCtrl(m_experienceGroup);
    m_tactics->setObjectName(QStringLiteral("tacticalTraining"));
    m_tactics->SetRange(0, kMaxTacticalTraining);
    m_tactics->setMaximumWidth(m_tactics->fontMetrics().horizontalAdvance(QStringLiteral("00")) +
                               40);
    const QString tactics = tr("&Taktische Ausbildung");
    experience->addWidget(MakeBuddy(tactics, m_tactics, m_experienceGroup), 2, 0);
    NameTypingFields(*m_tactics, tactics);
    experience->addWidget(m_tactics, 2, 1, Qt::AlignLeft);
    experience->setColumnStretch(1, 1);
    grid->addWidget(m_experienceGroup, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* CDlgPlayerPosition::CreateLanguageGroup() {
    auto* group = new QGroupBox(tr("Sprachen"), this);
    auto* form = new QFormLayout(group);
    for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(QStringLiteral("language%1").arg(slot));
        for (int language = 0; language < kLanguageListCount; ++language) {
            combo->addItem(Cp1252ToQString(LanguageListName(language)), language);
        }
        m_languages[slot] = combo;
        form->addRow(MakeBuddy(tr("Sprache &%1").arg(slot + 1), combo, group), combo);
    }
    return group;
}

void CDlgPlayerPosition::LoadBar(SValueBar& bar, int value, bool enabled) {
    const QSignalBlocker quiet(bar.bar);
    bar.bar->setEnabled(enabled);
    bar.bar->SetValue(value);
    bar.loaded = bar.bar->Value();
    bar.text->setText(enabled ? Cp1252ToQString(bar.describe(bar.loaded)) : QString());
}

void CDlgPlayerPosition::LoadPage(const CPlayer* player) {
    for (std::size_t slot = 0; slot < m_positions.size(); ++slot) {
        QComboBox* combo = m_positions[slot];
        combo->setCurrentIndex(
            player != nullptr ? combo->findData(static_cast<int>(player->Positions()[slot])) : -1);
        m_loadedPositions[slot] = combo->currentIndex();
    }
    const bool isPlayer = player != nullptr && player->IsPlayer();
    LoadBar(m_foot, player != nullptr ? player->Foot() : 0, player != nullptr);
    LoadBar(m_national, isPlayer ? player->NationalExperience() : 0, isPlayer);
    LoadBar(m_international, isPlayer ? player->InternationalExperience() : 0, isPlayer);
    {
        const QSignalBlocker quiet(m_tactics);
        if (isPlayer) {
            m_tactics->SetValue(player->TacticalTraining());
            m_tactics->Field()->setText(QString::number(m_tactics->StoredValue()));
        } else {
            m_tactics->Field()->clear();
        }
        m_loadedTactics = m_tactics->StoredValue();
    }
    m_experienceGroup->setEnabled(isPlayer);
    for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
        QComboBox* combo = m_languages[slot];
        combo->setCurrentIndex(
            player != nullptr ? combo->findData(static_cast<int>(player->Languages()[slot])) : -1);
        m_loadedLanguages[slot] = combo->currentIndex();
    }
}

void CDlgPlayerPosition::StoreInto(CPlayer& copy) const {
    PositionSlots positions = copy.Positions();
    bool positionsChanged = false;
    for (std::size_t slot = 0; slot < m_positions.size(); ++slot) {
        QComboBox* combo = m_positions[slot];
        if (combo->currentIndex() != m_loadedPositions[slot] && combo->currentIndex() >= 0) {
            positions[slot] = static_cast<std::uint8_t>(combo->currentData().toInt());
            positionsChanged = true;
        }
    }
    if (positionsChanged) {
        const PositionSlots stored = PositionsToStore(positions);
        for (std::size_t slot = 0; slot < stored.size(); ++slot) {
            copy.SetPosition(static_cast<int>(slot), stored[slot]);
        }
    }

    if (m_foot.bar->Value() != m_foot.loaded) {
        copy.SetFoot(m_foot.bar->Value());
    }
    if (copy.IsPlayer()) {
        if (m_national.bar->Value() != m_national.loaded) {
            copy.SetNationalExperience(static_cast<std::int8_t>(m_national.bar->Value()));
        }
        if (m_international.bar->Value() != m_international.loaded) {
            copy.SetInternationalExperience(static_cast<std::int8_t>(m_international.bar->Value()));
        }
        // The field may still hold a number typed without leaving it.
        const int tactics = std::clamp(m_tactics->GetValue(), 0, kMaxTacticalTraining);
        if (tactics != m_loadedTactics) {
            copy.SetTacticalTraining(tactics);
        }
    }

    std::array<std::uint8_t, kLanguageSlots> languages = copy.Languages();
    bool languagesChanged = false;
    for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
        QComboBox* combo = m_languages[slot];
        if (combo->currentIndex() != m_loadedLanguages[slot] && combo->currentIndex() >= 0) {
            languages[slot] = static_cast<std::uint8_t>(combo->currentData().toInt());
            languagesChanged = true;
        }
    }
    if (languagesChanged) {
        RemoveDuplicateSlots(languages);
        for (std::size_t slot = 0; slot < languages.size(); ++slot) {
            copy.SetLanguage(static_cast<int>(slot), languages[slot]);
        }
    }
}

}  // namespace kw

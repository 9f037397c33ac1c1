#include "gui/editors/player/DlgPlayerAbilities.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/player/PageFields.h"
#include "model/GameDate.h"
#include "model/PlayerStrength.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kMaxAbility = 99;
constexpr int kGoalkeeperPositioning = 39;

// The groups of the page: caption and the abilities' storage indexes, first to last.
struct SAbilityGroup {
    const char* caption;
    int first;
    int last;
    int column;
};
constexpr std::array<SAbilityGroup, 5> kGroups = {
    SAbilityGroup{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Offensive"), 0, 9, 0},
    SAbilityGroup{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Torwart"), 35, 42, 0},
    SAbilityGroup{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Spielaufbau und Zweikampf"), 10, 17,
                  1},
    SAbilityGroup{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Physis"), 18, 25, 1},
    SAbilityGroup{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Mentalität"), 26, 34, 2},
};

// The abilities' labels in storage order. Both positioning abilities read "Stellungsspiel"; the
// comment tells translators which is which.
struct SAbilityLabel {
    const char* text;
    const char* comment;
};
constexpr std::array<SAbilityLabel, kAbilityCount> kAbilityLabels = {{
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Schusskraft"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Fernschüsse"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Dribbling"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Technik"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Flanken"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Kreativität"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Torriecher"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Freistöße"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Ecken"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Elfmeter"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Passspiel"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Lange Pässe"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Genius"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Tackling"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Manndeckung"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Kopfball"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Ballkontrolle"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Vorstöße"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Antritt"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Schnelligkeit"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Ausdauer"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Robustheit"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Beweglichkeit"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Sprungkraft"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Laufstärke"), ""},
    QT_TRANSLATE_NOOP3("kw::CDlgPlayerAbilities", "Stellungsspiel", "of a field player"),
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Aggressivität"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Ruhe"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Konzentration"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Entscheidungen"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Entschlossenheit"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Teamwork"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Konstanz"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Einschüchterung"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Führungsqualitäten"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Strafraumbeherrschung"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Fangsicherheit"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Abstöße"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Mann gegen Mann"), ""},
    QT_TRANSLATE_NOOP3("kw::CDlgPlayerAbilities", "Stellungsspiel", "of the goalkeeper"),
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Fausten"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Paraden"), ""},
    SAbilityLabel{QT_TRANSLATE_NOOP("kw::CDlgPlayerAbilities", "Abwürfe"), ""},
}};

}  // namespace

CDlgPlayerAbilities::CDlgPlayerAbilities(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent),
      m_less(new QPushButton(QStringLiteral("-10%"), this)),
      m_more(new QPushButton(QStringLiteral("+10%"), this)),
      m_random(new QPushButton(tr("&Zufällige Berechnung"), this)),
      m_strength(new QLabel(this)) {
    setObjectName(QStringLiteral("DlgPlayerAbilities"));
    auto* outer = new QGroupBox(tr("Fähigkeiten"), this);
    auto* columns = new QHBoxLayout(outer);
    std::array<QVBoxLayout*, 3> columnLayouts{};
    for (QVBoxLayout*& column : columnLayouts) {
        column = new QVBoxLayout;
        columns->addLayout(column, 1);
    }
    for (const SAbilityGroup& entry : kGroups) {
        auto* group = new QGroupBox(tr(entry.caption), outer);
        auto* form = new QFormLayout(group);
        for (int ability = entry.first; ability <= entry.last; ++ability) {
            auto* field = new CSpinEditCtrl(group);
            field->setObjectName(QStringLiteral("ability%1").arg(ability));
            field->SetRange(0, kMaxAbility);
            // The arrows stay beside the digits.
            field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                                   40);
            const SAbilityLabel& text = kAbilityLabels[static_cast<std::size_t>(ability)];
            auto* label = new QLabel(tr(text.text, text.comment), group);
            label->setBuddy(field);
            // The goalkeeper's positioning is told apart from the field player's by its name.
            NameTypingFields(*field, ability == kGoalkeeperPositioning
                                         ? tr("Stellungsspiel des Torwarts")
                                         : label->text());
            form->addRow(label, field);
            m_fields[static_cast<std::size_t>(ability)] = field;
            connect(field, &CSpinEditCtrl::SpinEditChanged, this,
                    &CDlgPlayerAbilities::StoreAtOnce);
        }
        columnLayouts[static_cast<std::size_t>(entry.column)]->addWidget(group);
    }

    m_less->setObjectName(QStringLiteral("lessTenPercent"));
    m_more->setObjectName(QStringLiteral("moreTenPercent"));
    m_random->setObjectName(QStringLiteral("randomCalculation"));
    m_strength->setObjectName(QStringLiteral("strength"));
    auto* commands = new QGroupBox(tr("Alle Fähigkeiten"), outer);
    auto* commandLayout = new QVBoxLayout(commands);
    for (QPushButton* button : {m_less, m_more, m_random}) {
        button->setAutoDefault(false);
        commandLayout->addWidget(button);
    }
    auto* strengthRow = new QHBoxLayout;
    strengthRow->addWidget(new QLabel(tr("Stärke"), commands));
    strengthRow->addWidget(m_strength, 1, Qt::AlignRight);
    commandLayout->addLayout(strengthRow);
    columnLayouts[2]->addWidget(commands);
    for (QVBoxLayout* column : columnLayouts) {
        column->addStretch(1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outer);

    // Tab order: the groups as they stand, top to bottom, left to right.
    QWidget* previous = nullptr;
    for (const SAbilityGroup& entry : kGroups) {
        for (int ability = entry.first; ability <= entry.last; ++ability) {
            QWidget* field = m_fields[static_cast<std::size_t>(ability)];
            if (previous != nullptr) {
                setTabOrder(previous, field);
            }
            previous = field;
        }
    }
    for (QPushButton* button : {m_less, m_more, m_random}) {
        setTabOrder(previous, button);
        previous = button;
    }

    connect(m_less, &QPushButton::clicked, this, [this] { ChangeEach(&AbilityLessTenPercent); });
    connect(m_more, &QPushButton::clicked, this, [this] { ChangeEach(&AbilityMoreTenPercent); });
    connect(m_random, &QPushButton::clicked, this, &CDlgPlayerAbilities::RandomCalculation);
}

void CDlgPlayerAbilities::LoadPage(const CPlayer* player) {
    for (std::size_t ability = 0; ability < m_fields.size(); ++ability) {
        CSpinEditCtrl* field = m_fields[ability];
        const QSignalBlocker quiet(field);
        if (player == nullptr) {
            field->Field()->clear();
            m_loaded[ability] = 0;
            continue;
        }
        field->SetValue(player->Abilities()[ability]);
        field->Field()->setText(QString::number(field->StoredValue()));
        m_loaded[ability] = static_cast<std::uint8_t>(field->StoredValue());
    }
    ShowStrength();
}

void CDlgPlayerAbilities::StoreInto(CPlayer& copy) const {
    const AbilityValues shown = ShownValues();
    for (std::size_t ability = 0; ability < shown.size(); ++ability) {
        if (shown[ability] != m_loaded[ability]) {
            copy.SetAbility(static_cast<int>(ability), shown[ability]);
        }
    }
}

CDlgPlayerAbilities::AbilityValues CDlgPlayerAbilities::ShownValues() const {
    AbilityValues values{};
    for (std::size_t ability = 0; ability < values.size(); ++ability) {
        values[ability] =
            static_cast<std::uint8_t>(std::clamp(m_fields[ability]->GetValue(), 0, kMaxAbility));
    }
    return values;
}

void CDlgPlayerAbilities::ApplyValues(const AbilityValues& values) {
    for (std::size_t ability = 0; ability < values.size(); ++ability) {
        CSpinEditCtrl* field = m_fields[ability];
        const QSignalBlocker quiet(field);
        field->SetValue(values[ability]);
        field->Field()->setText(QString::number(field->StoredValue()));
    }
    StoreAtOnce();
}

void CDlgPlayerAbilities::ChangeEach(const std::function<std::uint8_t(std::uint8_t)>& change) {
    if (Player() == nullptr) {
        return;
    }
    AbilityValues values = ShownValues();
    for (std::uint8_t& value : values) {
        value = change(value);
    }
    ApplyValues(values);
}

void CDlgPlayerAbilities::RandomCalculation() {
    if (DrawRandomAbilities(Context().document, PlayerId(), GameToday())) {
        LoadPage(Player());
        emit playerChanged(PlayerId());
    }
}

void CDlgPlayerAbilities::ShowStrength() {
    const CPlayer* player = Player();
    m_strength->setText(
        player != nullptr
            ? QString::number(StrengthAt(ShownValues(), player->MainPosition()), 'f', 1)
            : QString());
}

void CDlgPlayerAbilities::StoreAtOnce() {
    Store();
    LoadPage(Player());
}

}  // namespace kw

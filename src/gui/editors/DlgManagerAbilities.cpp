#include "gui/editors/DlgManagerAbilities.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "editing/LanguageList.h"
#include "editing/ManagerRecord.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/NotStoredValue.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"

namespace kw {

namespace {

using AbilityLabels = std::array<const char*, kManagerAbilityCount>;
using LanguageLabels = std::array<const char*, 4>;

constexpr AbilityLabels kAbilityLabels = {
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "&Motivation"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "&Trainingsgestaltung"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "T&orwarttraining"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "Verhan&dlungsgeschick")};
// The national coach's page words them its own way.
constexpr AbilityLabels kCoachAbilityLabels = {
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "&Motivationsfähigkeit"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "&Trainingsgestaltung"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "T&orwarttraining"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "Verhan&dlungsgeschick")};
constexpr std::array<const char*, kManagerAbilityCount> kAbilityNames = {
    "motivation", "trainingDesign", "goalkeeperTraining", "negotiation"};
constexpr LanguageLabels kLanguageLabels = {
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "M&uttersprache"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "&1. Fremdsprache"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "2. Fremdspra&che"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "3. Fremdsprac&he")};
constexpr LanguageLabels kCoachLanguageLabels = {
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "M&uttersprache"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "Fremdsprache &1"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "Fremdsprache &2"),
    QT_TRANSLATE_NOOP("kw::CDlgManagerAbilities", "Fremdsprache &3")};

// Room for the longest text of a scale, so the layout does not jump while the bar moves.
int WidestText(const QLabel& label, std::string_view (*text)(int), int maximum) {
    int widest = 0;
    for (int value = 0; value <= maximum; ++value) {
        widest =
            std::max(widest, label.fontMetrics().horizontalAdvance(Cp1252ToQString(text(value))));
    }
    return widest;
}

}  // namespace

CDlgManagerAbilities::CDlgManagerAbilities(QWidget* parent, ELabels labels)
    : CDialogB(parent, ERole::Page),
      m_experience(new QGroupBox(tr("Erfahrung"), this)),
      m_national(new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, m_experience)),
      m_international(new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, m_experience)),
      m_nationalText(new QLabel(m_experience)),
      m_internationalText(new QLabel(m_experience)) {
    setObjectName(QStringLiteral("DlgManagerAbilities"));
    const bool coach = labels == ELabels::NationalCoach;
    const AbilityLabels& abilityLabels = coach ? kCoachAbilityLabels : kAbilityLabels;
    const LanguageLabels& languageLabels = coach ? kCoachLanguageLabels : kLanguageLabels;

    auto* abilityGroup = new QGroupBox(tr("Fähigkeiten"), this);
    auto* abilities = new QGridLayout(abilityGroup);
    for (std::size_t index = 0; index < m_abilities.size(); ++index) {
        auto* spin = new CSpinEditCtrl(abilityGroup);
        spin->setObjectName(QString::fromLatin1(kAbilityNames[index]));
        spin->SetRange(0, kMaxManagerAbility);
        m_abilities[index] = spin;
        connect(spin->Field(), &QLineEdit::textEdited, this,
                [this, index] { m_touchedAbilities[index] = true; });
        connect(spin, &CSpinEditCtrl::SpinEditChanged, this,
                [this, index] { m_touchedAbilities[index] = true; });
        const int row = static_cast<int>(index);
        const QString label = tr(abilityLabels[index]);
        // The label is no sibling of the field inside the spin control: screen readers would
        // not find it.
        spin->Field()->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        abilities->addWidget(MakeBuddy(label, spin->Field(), abilityGroup), row, 0);
        abilities->addWidget(spin, row, 1);
    }
    abilities->setColumnStretch(0, 1);

    m_national->setObjectName(QStringLiteral("nationalExperience"));
    m_national->setRange(0, kMaxManagerNationalExperience);
    m_international->setObjectName(QStringLiteral("internationalExperience"));
    m_international->setRange(0, kMaxManagerInternationalExperience);
    for (CValueScrollBar* bar : {m_national, m_international}) {
        bar->setPageStep(1);
        bar->setMinimumWidth(100);
    }
    m_nationalText->setObjectName(QStringLiteral("nationalExperienceText"));
    m_nationalText->setMinimumWidth(
        WidestText(*m_nationalText, ManagerNationalExperienceText, kMaxManagerNationalExperience));
    m_internationalText->setObjectName(QStringLiteral("internationalExperienceText"));
    m_internationalText->setMinimumWidth(WidestText(*m_internationalText,
                                                    ManagerInternationalExperienceText,
                                                    kMaxManagerInternationalExperience));
    auto* experience = new QGridLayout(m_experience);
    experience->addWidget(MakeBuddy(tr("Nationa&l"), m_national, m_experience), 0, 0);
    experience->addWidget(m_national, 0, 1);
    experience->addWidget(m_nationalText, 0, 2);
    experience->addWidget(MakeBuddy(tr("Intern&ational"), m_international, m_experience), 1, 0);
    experience->addWidget(m_international, 1, 1);
    experience->addWidget(m_internationalText, 1, 2);
    experience->setColumnStretch(1, 1);

    auto* languageGroup = new QGroupBox(tr("Sprachen"), this);
    auto* languages = new QGridLayout(languageGroup);
    for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
        auto* combo = new QComboBox(languageGroup);
        combo->setObjectName(QStringLiteral("language%1").arg(slot));
        for (int language = 0; language < kLanguageListCount; ++language) {
            combo->addItem(Cp1252ToQString(LanguageListName(language)), language);
        }
        m_languages[slot] = combo;
        const int row = static_cast<int>(slot);
        languages->addWidget(MakeBuddy(tr(languageLabels[slot]), combo, languageGroup), row, 0);
        languages->addWidget(combo, row, 1);
    }
    languages->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(abilityGroup);
    layout->addWidget(m_experience);
    layout->addWidget(languageGroup);

    connect(m_national, &CValueScrollBar::BarValueChanged, this,
            &CDlgManagerAbilities::ShowExperienceTexts);
    connect(m_international, &CValueScrollBar::BarValueChanged, this,
            &CDlgManagerAbilities::ShowExperienceTexts);
    Load(nullptr, false);
}

void CDlgManagerAbilities::Load(const IManagerRecord* record, bool withExperience) {
    const auto keeps = [record](EManagerValue value) {
        return record != nullptr && record->Keeps(value);
    };
    // A value the record does not keep is shown as none, never as the person's other bytes.
    const bool keepsAbilities = keeps(EManagerValue::kAbilities);
    for (std::size_t index = 0; index < m_abilities.size(); ++index) {
        CSpinEditCtrl* spin = m_abilities[index];
        const QSignalBlocker quiet(spin);
        if (keepsAbilities) {
            spin->SetValue(record->Ability(static_cast<int>(index)));
            ShowStored(*spin);
        } else {
            ShowNotStored(*spin);
        }
        m_touchedAbilities[index] = false;
    }

    m_withExperience = withExperience;
    m_experience->setVisible(withExperience);
    const bool keepsExperience = keeps(EManagerValue::kExperience);
    {
        const QSignalBlocker quietNational(m_national);
        const QSignalBlocker quietInternational(m_international);
        m_national->SetValue(keepsExperience ? record->NationalExperience() : 0);
        m_international->SetValue(keepsExperience ? record->InternationalExperience() : 0);
    }
    m_loadedNational = m_national->Value();
    m_loadedInternational = m_international->Value();
    for (QWidget* control : std::initializer_list<QWidget*>{m_national, m_international,
                                                            m_nationalText, m_internationalText}) {
        if (keepsExperience) {
            ShowStored(*control);
        } else {
            ShowNotStored(*control);
        }
    }
    if (keepsExperience) {
        ShowExperienceTexts();
    }

    const ManagerLanguages languages = record != nullptr ? record->Languages() : ManagerLanguages{};
    for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
        QComboBox* combo = m_languages[slot];
        combo->setCurrentIndex(record != nullptr ? combo->findData(languages[slot]) : -1);
        m_loadedLanguages[slot] = combo->currentIndex();
        combo->setEnabled(keeps(EManagerValue::kLanguages));
    }
}

void CDlgManagerAbilities::StoreInto(IManagerRecord& record) const {
    if (record.Keeps(EManagerValue::kAbilities)) {
        for (std::size_t index = 0; index < m_abilities.size(); ++index) {
            if (m_touchedAbilities[index]) {
                // The typed text counts even while the field still has the focus.
                record.SetAbility(static_cast<int>(index),
                                  ClampManagerAbility(m_abilities[index]->GetValue()));
            }
        }
    }
    if (m_withExperience && record.Keeps(EManagerValue::kExperience) &&
        (m_national->Value() != m_loadedNational ||
         m_international->Value() != m_loadedInternational)) {
        record.SetExperience(m_national->Value(), m_international->Value());
    }
    if (record.Keeps(EManagerValue::kLanguages)) {
        bool changed = false;
        ManagerLanguages chosen = record.Languages();
        for (std::size_t slot = 0; slot < m_languages.size(); ++slot) {
            const QComboBox* combo = m_languages[slot];
            if (combo->currentIndex() != m_loadedLanguages[slot] && combo->currentIndex() >= 0) {
                chosen[slot] = static_cast<std::uint8_t>(combo->currentData().toInt());
                changed = true;
            }
        }
        if (changed) {
            record.SetLanguages(chosen);
        }
    }
}

void CDlgManagerAbilities::ShowExperienceTexts() {
    m_nationalText->setText(Cp1252ToQString(ManagerNationalExperienceText(m_national->Value())));
    m_internationalText->setText(
        Cp1252ToQString(ManagerInternationalExperienceText(m_international->Value())));
}

}  // namespace kw

#pragma once

#include <array>

#include "editing/ManagerRules.h"
#include "gui/controls/DialogB.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace kw {

class CSpinEditCtrl;
class CValueScrollBar;
class IManagerRecord;

// The manager panel of abilities, experience and languages: four fields 0..15 ("Motivation",
// "Trainingsgestaltung", "Torwarttraining", "Verhandlungsgeschick"), the national (0..6) and
// international (0..4) experience bars with their texts, the mother tongue and three foreign
// languages. It works on any manager record through `IManagerRecord`; a control is enabled only
// when the record keeps its value.
class CDlgManagerAbilities : public CDialogB {
    Q_OBJECT

public:
    // The national coach's page labels the abilities and languages in its own words.
    enum class ELabels { Staff, NationalCoach };

    explicit CDlgManagerAbilities(QWidget* parent = nullptr, ELabels labels = ELabels::Staff);

    // Shows the manager (null empties the panel and disables it). The experience shows only with
    // `withExperience` (managers and trainers; a president has none).
    void Load(const IManagerRecord* record, bool withExperience);
    // Writes what the user changed since the load: the abilities, the experience (only when
    // shown), the languages with repeats dropped.
    void StoreInto(IManagerRecord& record) const;

private:
    void ShowExperienceTexts();

    std::array<CSpinEditCtrl*, kManagerAbilityCount> m_abilities{};
    // Which fields the user typed into or stepped since the load: only those are stored, so a
    // stored value beyond the range, shown held to it, stays as it is unless the user sets it.
    std::array<bool, kManagerAbilityCount> m_touchedAbilities{};
    QGroupBox* m_experience;
    CValueScrollBar* m_national;
    CValueScrollBar* m_international;
    QLabel* m_nationalText;
    QLabel* m_internationalText;
    bool m_withExperience = false;
    int m_loadedNational = 0;
    int m_loadedInternational = 0;
    std::array<QComboBox*, 4> m_languages{};
    std::array<int, 4> m_loadedLanguages{};
};

}  // namespace kw

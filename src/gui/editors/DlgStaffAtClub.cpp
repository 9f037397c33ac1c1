#include "gui/editors/DlgStaffAtClub.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editing/ManagerRecord.h"
#include "editing/ManagerRules.h"
#include "gui/controls/ControlText.h"

namespace kw {

CDlgStaffAtClub::CDlgStaffAtClub(QWidget* parent)
    : CDialogB(parent, ERole::Page), m_level(new QComboBox), m_experience(new QComboBox) {
    setObjectName(QStringLiteral("DlgStaffAtClub"));
    m_level->setObjectName(QStringLiteral("staffLevel"));
    m_experience->setObjectName(QStringLiteral("staffExperience"));
    for (int grade = 0; grade <= kMaxStaffGrade; ++grade) {
        m_level->addItem(Cp1252ToQString(StaffLevelText(grade)), grade);
        m_experience->addItem(Cp1252ToQString(StaffExperienceText(grade)), grade);
    }
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    auto* levelLabel = new QLabel(tr("&Level"), group);
    levelLabel->setBuddy(m_level);
    auto* experienceLabel = new QLabel(tr("&Erfahrung"), group);
    experienceLabel->setBuddy(m_experience);
    grid->addWidget(levelLabel, 0, 0);
    grid->addWidget(m_level, 0, 1);
    grid->addWidget(experienceLabel, 1, 0);
    grid->addWidget(m_experience, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addStretch(1);
    Load(nullptr);
}

void CDlgStaffAtClub::Load(const IStaffGrades* grades) {
    m_level->setCurrentIndex(grades != nullptr ? ShownStaffGrade(grades->Level()) : -1);
    m_experience->setCurrentIndex(grades != nullptr ? ShownStaffGrade(grades->Experience()) : -1);
    m_loadedLevel = m_level->currentIndex();
    m_loadedExperience = m_experience->currentIndex();
    setEnabled(grades != nullptr);
}

void CDlgStaffAtClub::StoreInto(IStaffGrades& grades) const {
    if (m_level->currentIndex() != m_loadedLevel && m_level->currentIndex() >= 0) {
        grades.SetLevel(m_level->currentData().toInt());
    }
    if (m_experience->currentIndex() != m_loadedExperience && m_experience->currentIndex() >= 0) {
        grades.SetExperience(m_experience->currentData().toInt());
    }
}

}  // namespace kw

#include "gui/editors/country/DlgStaffEntry.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/CountryStaffCommands.h"
#include "editing/ManagerRecord.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/editors/DlgStaffAtClub.h"
#include "gui/editors/country/PersonDialogFields.h"
#include "gui/editors/player/PageFields.h"

namespace kw {

namespace {

// The record's fields without their terminating zero.
constexpr int kStaffFirstNameLength = 15;
constexpr int kStaffSurnameLength = 24;

}  // namespace

CDlgStaffEntry::CDlgStaffEntry(const CStaffEntry& entry, QWidget* parent)
    : CDialogB(parent),
      m_original(entry),
      m_firstName(MakeNameField(QStringLiteral("firstName"), entry.FirstName().View(),
                                kStaffFirstNameLength, this)),
      m_surname(MakeNameField(QStringLiteral("surname"), entry.Surname().View(),
                              kStaffSurnameLength, this)),
      m_job(new QComboBox(this)),
      m_grades(new CDlgStaffAtClub(this)) {
    setObjectName(QStringLiteral("DlgStaffEntry"));
    setWindowTitle(tr("Mitarbeiter"));
    m_job->setObjectName(QStringLiteral("job"));
    for (int job = 0; job < kStaffJobCount; ++job) {
        m_job->addItem(Cp1252ToQString(StaffJobName(job)), job);
    }
    // A job beyond the list selects nothing and is kept.
    m_job->setCurrentIndex(m_job->findData(static_cast<int>(entry.Job())));
    CStaffEntry shown = entry;
    const CCountryStaffGrades grades(shown);
    m_grades->Load(&grades);

    auto* grid = new QGridLayout;
    AddFieldRow(grid, tr("&Vorname"), m_firstName);
    AddFieldRow(grid, tr("Na&me"), m_surname);
    AddFieldRow(grid, tr("&Job"), m_job);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_grades);
    layout->addWidget(buttons);

    connect(m_surname, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    m_ok->setEnabled(!m_surname->text().trimmed().isEmpty());
    m_firstName->setFocus();
}

std::optional<CStaffEntry> CDlgStaffEntry::Ask(const CStaffEntry& entry, QWidget* parent) {
    CDlgStaffEntry dialog(entry, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Entry();
}

CStaffEntry CDlgStaffEntry::Entry() const {
    CStaffEntry entry = m_original;
    entry.SetFirstName(StoredName(*m_firstName, m_original.FirstName().View()));
    entry.SetSurname(StoredName(*m_surname, m_original.Surname().View()));
    if (m_job->currentIndex() >= 0) {
        entry.SetJob(static_cast<std::uint8_t>(m_job->currentData().toInt()));
    }
    CCountryStaffGrades grades(entry);
    m_grades->StoreInto(grades);
    return entry;
}

}  // namespace kw

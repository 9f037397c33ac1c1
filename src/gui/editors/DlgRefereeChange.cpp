#include "gui/editors/DlgRefereeChange.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"

namespace kw {

namespace {

QLineEdit* NameField(const QString& name, std::string_view text, QWidget* parent) {
    auto* field = new QLineEdit(Cp1252ToQString(text), parent);
    field->setObjectName(name);
    field->setMaxLength(kRefereeNameTypingLength);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() *
                           (kRefereeNameTypingLength + 4));
    return field;
}

// The typed text in the record's bytes, or the record's own bytes when the field still shows
// them.
}  // namespace

CDlgRefereeChange::CDlgRefereeChange(const CReferee& referee, QWidget* parent)
    : CDialogB(parent),
      m_original(referee),
      m_firstName(NameField(QStringLiteral("firstName"), referee.FirstName().View(), this)),
      m_surname(NameField(QStringLiteral("surname"), referee.Surname().View(), this)),
      m_traits(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("DlgRefereeChange"));
    setWindowTitle(tr("Schiedsrichter ändern"));

    auto* names = new QFormLayout;
    names->addRow(tr("&Vorname"), m_firstName);
    names->addRow(tr("&Nachname"), m_surname);

    auto* traitGroup = new QGroupBox(tr("Besonderheit"), this);
    auto* traitLayout = new QVBoxLayout(traitGroup);
    for (int trait = 0; trait < kRefereeTraitCount; ++trait) {
        auto* button = new QRadioButton(Cp1252ToQString(RefereeTraitName(trait)), traitGroup);
        button->setObjectName(QStringLiteral("trait%1").arg(trait));
        m_traits->addButton(button, trait);
        traitLayout->addWidget(button);
    }
    // A trait outside the list (a file may hold one) checks no button and is kept.
    if (QAbstractButton* current = m_traits->button(referee.Character())) {
        current->setChecked(true);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(traitGroup);
    layout->addWidget(buttons);
    m_firstName->setFocus();
}

std::optional<CReferee> CDlgRefereeChange::Ask(const CReferee& referee, QWidget* parent) {
    CDlgRefereeChange dialog(referee, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Referee();
}

CReferee CDlgRefereeChange::Referee() const {
    SRefereeValues values;
    values.firstName = EditedText(m_firstName->text(), m_original.FirstName().View());
    values.surname = EditedText(m_surname->text(), m_original.Surname().View());
    const int checked = m_traits->checkedId();
    values.trait = checked >= 0 ? static_cast<std::int8_t>(checked) : m_original.Character();
    return RefereeWithValues(values);
}

}  // namespace kw

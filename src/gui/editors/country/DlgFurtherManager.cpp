#include "gui/editors/country/DlgFurtherManager.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/ManagerRecord.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/editors/DlgManagerAbilities.h"
#include "gui/editors/country/PersonDialogFields.h"
#include "gui/editors/player/PageFields.h"

namespace kw {

namespace {

// The record's fields without their terminating zero.
constexpr int kManagerFirstNameLength = 15;
constexpr int kNameLength = 19;

}  // namespace

CDlgFurtherManager::CDlgFurtherManager(const CWorld& world, int language, const CManager& manager,
                                       QWidget* parent)
    : CDialogB(parent),
      m_original(manager),
      m_firstName(MakeNameField(QStringLiteral("firstName"), manager.FirstName().View(),
                                kManagerFirstNameLength, this)),
      m_surname(
          MakeNameField(QStringLiteral("surname"), manager.Surname().View(), kNameLength, this)),
      m_nickname(
          MakeNameField(QStringLiteral("nickname"), manager.Nickname().View(), kNameLength, this)),
      m_nationality(new QComboBox(this)),
      m_abilities(new CDlgManagerAbilities(this)) {
    setObjectName(QStringLiteral("DlgFurtherManager"));
    setWindowTitle(tr("Trainer"));
    m_nationality->setObjectName(QStringLiteral("nationality"));
    FillCountryCombo(*m_nationality, world, language, manager.Nationality());
    // The panel reads through the adapter only; the original stays as it is.
    CManager shown = manager;
    const CManagerRecordAdapter record(shown);
    m_abilities->Load(&record, true);

    auto* grid = new QGridLayout;
    AddFieldRow(grid, tr("&Vorname"), m_firstName);
    AddFieldRow(grid, tr("Na&me"), m_surname);
    AddFieldRow(grid, tr("&Spitzname"), m_nickname);
    AddFieldRow(grid, tr("Nat&ionalität"), m_nationality);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_abilities);
    layout->addWidget(buttons);

    connect(m_surname, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    m_ok->setEnabled(!m_surname->text().trimmed().isEmpty());
    m_firstName->setFocus();
}

std::optional<CManager> CDlgFurtherManager::Ask(const CWorld& world, int language,
                                                const CManager& manager, QWidget* parent) {
    CDlgFurtherManager dialog(world, language, manager, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Manager();
}

CManager CDlgFurtherManager::Manager() const {
    CManager manager = m_original;
    manager.SetFirstName(StoredName(*m_firstName, m_original.FirstName().View()));
    manager.SetSurname(StoredName(*m_surname, m_original.Surname().View()));
    manager.SetNickname(StoredName(*m_nickname, m_original.Nickname().View()));
    if (m_nationality->currentIndex() >= 0) {
        manager.SetNationality(m_nationality->currentData().toInt());
    }
    CManagerRecordAdapter record(manager);
    m_abilities->StoreInto(record);
    return manager;
}

}  // namespace kw

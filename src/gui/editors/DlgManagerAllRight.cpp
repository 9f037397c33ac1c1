#include "gui/editors/DlgManagerAllRight.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/controls/NotStoredValue.h"
#include "storage/TextTable.h"

namespace kw {

namespace {

// A row of a name the choice would show and the button that would choose it. The label is the
// button's buddy; field and button are named by the row for screen readers, as the buttons'
// captions repeat.
void AddChoiceRow(QGridLayout* grid, const QString& label, const QString& button,
                  const QString& objectName) {
    QWidget* parent = grid->parentWidget();
    const int row = grid->rowCount();
    auto* name = new QLineEdit(parent);
    name->setObjectName(objectName);
    name->setReadOnly(true);
    name->setAccessibleName(label);
    // Room for a club's or a player's name.
    name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 18);
    auto* choose = new QPushButton(button, parent);
    choose->setObjectName(objectName + QStringLiteral("Choose"));
    choose->setAccessibleName(
        QCoreApplication::translate("kw::CDlgManagerAllRight", "%1: %2", "row caption: button")
            .arg(label, button));
    auto* text = new QLabel(label, parent);
    text->setBuddy(choose);
    grid->addWidget(text, row, 0);
    grid->addWidget(name, row, 1);
    grid->addWidget(choose, row, 2);
    ShowNotStored(*name);
    ShowNotStored(*choose);
}

}  // namespace

CDlgManagerAllRight::CDlgManagerAllRight(const CBaseTextFile& formations, QWidget* parent)
    : CDialogB(parent, ERole::Page), m_formation(new QComboBox) {
    setObjectName(QStringLiteral("DlgManagerAllRight"));
    auto* group = new QGroupBox(tr("Kleinigkeiten"), this);
    auto* grid = new QGridLayout(group);
    AddChoiceRow(grid, tr("Lieblingsverein"), tr("Auswahl"), QStringLiteral("favouriteClub"));
    AddChoiceRow(grid, tr("Würde er niemals trainieren"), tr("Wähle Verein"),
                 QStringLiteral("refusedClub"));
    AddChoiceRow(grid, tr("Lieblingsspieler"), tr("Auswahl"), QStringLiteral("favouritePlayer"));
    m_formation->setParent(group);
    m_formation->setObjectName(QStringLiteral("formation"));
    for (const auto& entry : formations.Entries()) {
        m_formation->addItem(Cp1252ToQString(entry.second), entry.first);
    }
    ShowNotStored(*m_formation);
    auto* formationLabel = new QLabel(tr("Bevorzugte Aufstellung"), group);
    formationLabel->setBuddy(m_formation);
    const int row = grid->rowCount();
    grid->addWidget(formationLabel, row, 0);
    grid->addWidget(m_formation, row, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    // No record keeps these values (see the class comment); the captions are greyed with them.
    group->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

}  // namespace kw

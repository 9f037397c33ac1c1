#include "gui/editors/DlgManagerAllRight.h"

#include <QComboBox>
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

// A row of a name the choice would show and the button that would choose it.
void AddChoiceRow(QGridLayout* grid, const QString& label, const QString& button,
                  const QString& objectName) {
    QWidget* parent = grid->parentWidget();
    const int row = grid->rowCount();
    auto* name = new QLineEdit(parent);
    name->setObjectName(objectName);
    name->setReadOnly(true);
    // Room for a club's or a player's name.
    name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 18);
    auto* choose = new QPushButton(button, parent);
    choose->setObjectName(objectName + QStringLiteral("Choose"));
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
    auto* group = new QGroupBox(QStringLiteral("Kleinigkeiten"), this);
    auto* grid = new QGridLayout(group);
    AddChoiceRow(grid, QStringLiteral("Lieblingsverein"), QStringLiteral("Auswahl"),
                 QStringLiteral("favouriteClub"));
    AddChoiceRow(grid, QStringLiteral("Würde er niemals trainieren"),
                 QStringLiteral("Wähle Verein"), QStringLiteral("refusedClub"));
    AddChoiceRow(grid, QStringLiteral("Lieblingsspieler"), QStringLiteral("Auswahl"),
                 QStringLiteral("favouritePlayer"));
    m_formation->setParent(group);
    m_formation->setObjectName(QStringLiteral("formation"));
    for (const auto& entry : formations.Entries()) {
        m_formation->addItem(Cp1252ToQString(entry.second), entry.first);
    }
    ShowNotStored(*m_formation);
    auto* formationLabel = new QLabel(QStringLiteral("Bevorzugte Aufstellung"), group);
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

#include "gui/editors/DlgLevelName.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "editing/LeagueDataRules.h"
#include "editing/LevelNames.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

CDlgLevelName::CDlgLevelName(const QString& name, QWidget* parent)
    : CDialogB(parent), m_field(new QLineEdit(this)) {
    setObjectName(QStringLiteral("DlgLevelName"));
    setWindowTitle(tr("Ligenbezeichnung ändern"));
    m_field->setObjectName(QStringLiteral("name"));
    m_field->setMaxLength(static_cast<int>(kLevelNameLength));
    m_field->setMinimumWidth(
        m_field->fontMetrics().horizontalAdvance(QString(static_cast<int>(kLevelNameLength), 'n')));
    m_field->setText(name);
    auto* label = new QLabel(tr("&Bezeichnung"), this);
    label->setBuddy(m_field);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_field->setFocus();
    m_field->selectAll();
}

bool CDlgLevelName::Edit(CDatabaseDocument& document, int country, int level, QWidget* parent) {
    if (country < 1 || country > kCountryCount || level < 0 || level >= kLevelCount) {
        return false;
    }
    const CWorld& world = document.World();
    const int language = document.Language();
    const auto& names = world.Country(country).LevelNames(level);
    CDlgLevelName dialog(Cp1252ToQString(names[static_cast<std::size_t>(language)].View()), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return StoreLevelName(document, country, level, language, QStringToCp1252(dialog.Name()));
}

QString CDlgLevelName::Name() const {
    return m_field->text();
}

}  // namespace kw

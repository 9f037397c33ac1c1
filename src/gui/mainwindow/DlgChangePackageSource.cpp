#include "gui/mainwindow/DlgChangePackageSource.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/controls/OkCancelButtons.h"

namespace kw {

CDlgChangePackageSource::CDlgChangePackageSource(
    const std::vector<CDlgDatabaseDiff::SDatabase>& databases, int current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Änderungspaket erstellen"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("Das Paket enthält, was die aktuelle Datenbank gegenüber der gewählten "
                       "geändert hat. Auf die gewählte Datenbank (oder eine Kopie von ihr) "
                       "angewendet, macht es aus ihr die aktuelle."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* form = new QFormLayout;
    auto* currentLabel = new QLabel(databases[static_cast<std::size_t>(current)].label, this);
    currentLabel->setObjectName(QStringLiteral("currentDatabase"));
    form->addRow(QStringLiteral("Aktuelle Datenbank (neu):"), currentLabel);
    m_others = new QComboBox(this);
    m_others->setObjectName(QStringLiteral("otherDatabase"));
    for (std::size_t index = 0; index < databases.size(); ++index) {
        if (static_cast<int>(index) != current) {
            m_others->addItem(databases[index].label, static_cast<int>(index));
        }
    }
    auto* otherLabel = new QLabel(QStringLiteral("&Ausgangsdatenbank (alt):"), this);
    otherLabel->setBuddy(m_others);
    form->addRow(otherLabel, m_others);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(*this));
    m_others->setFocus();
    resize(480, sizeHint().height());
}

int CDlgChangePackageSource::Chosen() const {
    return m_others->currentData().toInt();
}

}  // namespace kw

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
    setWindowTitle(tr("Änderungspaket erstellen"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        tr("Das Paket enthält, was die aktuelle Datenbank gegenüber der gewählten geändert hat. "
           "Auf die gewählte Datenbank (oder eine Kopie von ihr) angewendet, macht es aus ihr die "
           "aktuelle."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* form = new QFormLayout;
    m_others = &AddDatabaseChoice(*form, *this, databases, current, tr("Aktuelle Datenbank (neu):"),
                                  tr("&Ausgangsdatenbank (alt):"));
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(*this));
    m_others->setFocus();
    resize(480, sizeHint().height());
}

int CDlgChangePackageSource::Chosen() const {
    return m_others->currentData().toInt();
}

}  // namespace kw

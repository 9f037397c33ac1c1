#include "gui/editors/DlgLeagueSystem.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/editors/LeagueSystemPage.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

CDlgLeagueSystem::CDlgLeagueSystem(CDatabaseDocument& document, const CBaseTextFile& leagueSystems,
                                   int country, QWidget* parent)
    : CLiveEditDialog(document, QStringToCp1252(tr("Ligasystem")), parent) {
    setObjectName(QStringLiteral("DlgLeagueSystem"));
    setWindowTitle(tr("Kickwerk 06 - Ligasystem"));
    setModal(true);

    m_page = new CLeagueSystemPage(document, leagueSystems, country, this);
    auto* ok = new QPushButton(ResourceQString(ids::kOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addLayout(bottom);
    setTabOrder(m_page, ok);
}

void CDlgLeagueSystem::Edit(CDatabaseDocument& document, const CBaseTextFile& leagueSystems,
                            int country, QWidget* parent) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    CDlgLeagueSystem dialog(document, leagueSystems, country, parent);
    dialog.exec();
}

}  // namespace kw

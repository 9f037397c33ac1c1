#include "gui/editors/DlgPlayerCompare.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/editors/PlayerCompareSide.h"
#include "platform/StringTable.h"

namespace kw {

CDlgPlayerCompare::CDlgPlayerCompare(const CWorld& world, int language, int country,
                                     QWidget* parent)
    : CDialogB(parent),
      m_left(new CPlayerCompareSide(world, language, tr("Linker Spieler"), tr("&Land"),
                                    tr("&Verein"), country, this)),
      m_right(new CPlayerCompareSide(world, language, tr("Rechter Spieler"), tr("La&nd"),
                                     tr("V&erein"), country, this)) {
    setObjectName(QStringLiteral("DlgPlayerCompare"));
    setWindowTitle(tr("Spielervergleich"));
    m_left->setObjectName(QStringLiteral("left"));
    m_right->setObjectName(QStringLiteral("right"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ResourceQString(ids::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* halves = new QHBoxLayout;
    halves->addWidget(m_left, 1);
    halves->addWidget(m_right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(halves, 1);
    layout->addWidget(buttons);
}

void CDlgPlayerCompare::Show(const CWorld& world, int language, int country, QWidget* parent) {
    CDlgPlayerCompare dialog(world, language, country, parent);
    dialog.exec();
}

}  // namespace kw

#include "gui/editors/club/DlgClubParent.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/controls/ScrollingPage.h"
#include "gui/editors/EditorPage.h"
#include "gui/editors/club/ClubPage.h"
#include "gui/editors/club/DlgClub.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

const CClub* FindClub(const CWorld& world, std::uint32_t clubId) {
    return world.Country(ClubCountry(clubId)).Club(clubId);
}

}  // namespace

CDlgClubParent::CDlgClubParent(CDatabaseDocument& document, const CClub& club,
                               const CInstallationData& installation, CRenderManager* renderer,
                               std::filesystem::path cityDirectory,
                               const SClubEditorOptions& options, QWidget* parent)
    : CDialogB(parent), m_document(document), m_copy(club), m_context{m_copy,
                                                                      document.World(),
                                                                      installation,
                                                                      renderer,
                                                                      std::move(cityDirectory),
                                                                      document.Language()} {
    setObjectName(QStringLiteral("DlgClubParent"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new CMyTabCtrl(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    // Leaving a page keeps what was typed on it; entering one shows the copy as it is now.
    StoreOnLeave(*m_tabs, EOnEnter::kLoad);
    const std::vector<SClubEditorPage> pages = MakeClubEditorPages(m_context, options, m_tabs);
    for (const SClubEditorPage& entry : pages) {
        if (auto* general = qobject_cast<CDlgClub*>(entry.page)) {
            connect(general, &CDlgClub::LanguageChanged, this, &CDlgClubParent::ShowCaption);
        }
    }
    // The first page is loaded as it is added, once every page exists.
    for (const SClubEditorPage& entry : pages) {
        m_tabs->AddPage(entry.page, ResourceQString(entry.titleId));
    }
    layout->addWidget(m_tabs, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgClubParent::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgClubParent::reject);
    layout->addWidget(buttons);
    ShowCaption();
    FitToScreen(*this);
}

void CDlgClubParent::ShowCaption() {
    setWindowTitle(
        tr("Kickwerk 06 - Verein - %1").arg(Cp1252ToQString(m_copy.Name(m_context.language))));
}

void CDlgClubParent::accept() {
    StoreShownPage(*m_tabs);
    const CClub* club = FindClub(m_document.World(), m_copy.Id());
    if (club != nullptr && !club->HasSameData(m_copy)) {
        m_document.Do(
            std::make_unique<CClubValuesEdit>(QStringToCp1252(tr("Verein bearbeiten")), m_copy));
    }
    QDialog::accept();
}

}  // namespace kw

#include "gui/editors/DlgManagAll.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "document/DatabaseDocument.h"
#include "editing/SquadCommands.h"
#include "editing/StaffList.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/ScrollingPage.h"
#include "gui/controls/SmallControls.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgSearchResult.h"
#include "gui/editors/player/PersonPageTabs.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

CDlgManagAll::CDlgManagAll(CDatabaseDocument& document, std::uint32_t clubId,
                           const CInstallationData& installation, CRenderManager* renderer,
                           std::filesystem::path installDirectory, QWidget* parent)
    : CLiveEditDialog(document, QStringToCp1252(tr("Personal")), parent),
      m_document(document),
      m_clubId(clubId) {
    setObjectName(QStringLiteral("DlgManagAll"));
    const CClub* club = FindLiveClub(document.World(), clubId);
    const QString name =
        club != nullptr ? Cp1252ToQString(club->Name(document.Language())) : QString();
    setWindowTitle(tr("Kickwerk 06 - Personal - %1").arg(name));
    setModal(true);

    m_lists = new QTabWidget(this);
    m_lists->setObjectName(QStringLiteral("lists"));
    m_lists->setAccessibleName(tr("Listen"));
    m_managers = new CDlgManagerList(document, clubId, m_lists);
    m_lists->addTab(m_managers, tr("Vorstand/Trainer"));
    m_pages =
        new CPersonPageTabs({document, installation, renderer, std::move(installDirectory)}, this);
    connect(m_managers, &CDlgManagerList::personChosen, m_pages, &CPersonPageTabs::ChoosePerson);
    connect(m_managers, &CDlgManagerList::aboutToChange, m_pages, &CPersonPageTabs::StoreShownPage);
    connect(m_pages, &CPersonPageTabs::personChanged, m_managers, &CDlgManagerList::Rebuild);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_lists, 2);
    columns->addWidget(m_pages, 3);

    auto* buttons = new QHBoxLayout;
    QPushButton* duplicates = MakeButton(tr("Doppelt?"), QStringLiteral("duplicates"), this);
    connect(duplicates, &QPushButton::clicked, this, &CDlgManagAll::ShowDuplicates);
    buttons->addWidget(duplicates);
    QPushButton* search = MakeButton(tr("Suchen"), QStringLiteral("search"), this);
    connect(search, &QPushButton::clicked, this, &CDlgManagAll::SearchPlayers);
    buttons->addWidget(search);
    buttons->addStretch();
    QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    const CMyListBox& list = m_managers->List();
    const std::uint32_t first =
        list.count() > 0 ? list.item(0)->data(Qt::UserRole).toUInt() : std::uint32_t{0};
    m_managers->SelectPerson(first);
    m_pages->ShowPerson(first);
    m_managers->List().setFocus();
    FitToScreen(*this);
}

void CDlgManagAll::Edit(CDatabaseDocument& document, std::uint32_t clubId,
                        const CInstallationData& installation, CRenderManager* renderer,
                        const std::filesystem::path& installDirectory, QWidget* parent) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    if (club == nullptr || club->IsNationalTeam()) {
        return;
    }
    CDlgManagAll dialog(document, clubId, installation, renderer, installDirectory, parent);
    dialog.exec();
}

std::uint32_t CDlgManagAll::CurrentPerson() const {
    return m_pages->Person();
}

void CDlgManagAll::ShowDuplicates() {
    m_pages->StoreShownPage();
    const CMyListBox& list = m_managers->List();
    std::vector<std::uint32_t> listed;
    for (int row = 0; row < list.count(); ++row) {
        listed.push_back(list.item(row)->data(Qt::UserRole).toUInt());
    }
    const CWorld& world = m_document.World();
    const std::vector<SStaffDuplicate> pairs = FindStaffDuplicates(world, listed);
    CDlgErrorSingle messages(this);
    messages.setObjectName(QStringLiteral("staffDuplicates"));
    if (pairs.empty()) {
        messages.SetHeading(GuiString(ids::kStaffNoDuplicates));
    } else {
        messages.SetHeading(GuiString(ids::kStaffDuplicatesHeading));
        for (const SStaffDuplicate& pair : pairs) {
            messages.AddText(StaffDuplicateText(world, pair));
        }
    }
    messages.exec();
}

void CDlgManagAll::SearchPlayers() {
    m_pages->StoreShownPage();
    if (CDlgSearchResult::RunSearchLoop(m_document, m_clubId, false, this).changed) {
        m_managers->Rebuild();
    }
}

void CDlgManagAll::done(int result) {
    m_pages->StoreShownPage();
    CLiveEditDialog::done(result);
}

}  // namespace kw

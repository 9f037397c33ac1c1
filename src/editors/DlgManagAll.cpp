#include "editors/DlgManagAll.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "controls/ControlText.h"
#include "controls/DlgErrorSingle.h"
#include "controls/MyListBox.h"
#include "controls/MyTabCtrl.h"
#include "controls/ScrollingPage.h"
#include "document/DatabaseDocument.h"
#include "editing/SquadCommands.h"
#include "editing/StaffList.h"
#include "editors/DlgManagerList.h"
#include "editors/DlgSearchResult.h"
#include "editors/player/PlayerPage.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CDlgManagAll::CDlgManagAll(CDatabaseDocument& document, std::uint32_t clubId,
                           const CInstallationData& installation, CRenderManager* renderer,
                           std::filesystem::path installDirectory, QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_clubId(clubId),
      m_context{document, installation, renderer, std::move(installDirectory)} {
    setObjectName(QStringLiteral("DlgManagAll"));
    const CClub* club = FindLiveClub(document.World(), clubId);
    const QString name = club != nullptr
                             ? Cp1252ToQString(club->Name(document.World().CurrentLanguage()))
                             : QString();
    setWindowTitle(QStringLiteral("Kickwerk 06 - Personal - ") + name);
    setModal(true);
    m_document.BeginGroup("Personal");
    m_groupOpen = true;

    m_lists = new QTabWidget(this);
    m_lists->setObjectName(QStringLiteral("lists"));
    m_managers = new CDlgManagerList(document, clubId, m_lists);
    connect(m_managers, &CDlgManagerList::personChosen, this, &CDlgManagAll::PersonChosen);
    connect(m_managers, &CDlgManagerList::aboutToChange, this, &CDlgManagAll::StoreShownPage);
    m_lists->addTab(m_managers, QStringLiteral("Vorstand/Trainer"));

    m_pages = new CMyTabCtrl(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->SetLeaveQuery([this](int index) {
        m_pageTabs.at(static_cast<std::size_t>(index)).page->StorePage();
        return true;
    });
    m_pageTabs = MakePlayerPages(m_context, m_pages);
    for (const SPlayerPageTab& tab : m_pageTabs) {
        m_pages->AddPage(tab.page, QString::fromUtf8(tab.title));
        connect(tab.page, &CPlayerPage::playerChanged, m_managers, &CDlgManagerList::Rebuild);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_lists, 2);
    columns->addWidget(m_pages, 3);

    auto* buttons = new QHBoxLayout;
    QPushButton* duplicates =
        Button(QStringLiteral("Doppelt?"), QStringLiteral("duplicates"), this);
    connect(duplicates, &QPushButton::clicked, this, &CDlgManagAll::ShowDuplicates);
    buttons->addWidget(duplicates);
    QPushButton* search = Button(QStringLiteral("Suchen"), QStringLiteral("search"), this);
    connect(search, &QPushButton::clicked, this, &CDlgManagAll::SearchPlayers);
    buttons->addWidget(search);
    buttons->addStretch();
    QPushButton* ok = Button(QStringLiteral("OK"), QStringLiteral("ok"), this);
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
    ShowPerson(first);
    m_managers->List().setFocus();
    FitToScreen(*this);
}

CDlgManagAll::~CDlgManagAll() {
    if (m_groupOpen) {
        m_document.EndGroup();
    }
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

void CDlgManagAll::StoreShownPage() {
    const int index = m_pages->currentIndex();
    if (index >= 0 && index < static_cast<int>(m_pageTabs.size())) {
        m_pageTabs[static_cast<std::size_t>(index)].page->StorePage();
    }
}

void CDlgManagAll::ShowPerson(std::uint32_t personId) {
    m_current = personId;
    for (const SPlayerPageTab& tab : m_pageTabs) {
        tab.page->SetPlayer(personId);
    }
}

void CDlgManagAll::PersonChosen(std::uint32_t personId) {
    StoreShownPage();
    ShowPerson(personId);
}

void CDlgManagAll::ShowDuplicates() {
    StoreShownPage();
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
        messages.SetHeading(ResourceString(ids::kStaffNoDuplicates));
    } else {
        messages.SetHeading(ResourceString(ids::kStaffDuplicatesHeading));
        for (const SStaffDuplicate& pair : pairs) {
            messages.AddText(StaffDuplicateText(world, pair));
        }
    }
    messages.exec();
}

void CDlgManagAll::SearchPlayers() {
    StoreShownPage();
    if (CDlgSearchResult::RunSearchLoop(m_document, m_clubId, false, this).changed) {
        m_managers->Rebuild();
    }
}

void CDlgManagAll::done(int result) {
    StoreShownPage();
    QDialog::done(result);
    if (m_groupOpen) {
        m_groupOpen = false;
        m_document.EndGroup();
    }
}

}  // namespace kw

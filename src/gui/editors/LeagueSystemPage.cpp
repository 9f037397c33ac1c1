#include "gui/editors/LeagueSystemPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemCommands.h"
#include "editing/LeagueSystemRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/QuestionButtons.h"
#include "gui/controls/SmallControls.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "gui/editors/DlgLeagueData.h"
#include "gui/editors/DlgLevelName.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextTable.h"

namespace kw {

namespace {

// A league item carries its competition id, a level item its level.
constexpr int kLeagueRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

QComboBox* Choice(const QString& name, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(name);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return choice;
}

}  // namespace

CLeagueSystemPage::CLeagueSystemPage(CDatabaseDocument& document,
                                     const CBaseTextFile& leagueSystems, int country,
                                     QWidget* parent)
    : CDialogB(parent, ERole::Page), m_document(document), m_country(country) {
    setObjectName(QStringLiteral("LeagueSystemPage"));

    m_scripts = Choice(QStringLiteral("scripts"), this);
    for (const auto& entry : leagueSystems.Entries()) {
        m_scripts->addItem(Cp1252ToQString(entry.second));
    }
    m_generic = Choice(QStringLiteral("genericSystems"), this);
    for (const SGenericLeagueSystem& system : GenericLeagueSystems()) {
        m_generic->addItem(Cp1252ToQString(system.name));
    }
    connect(m_scripts, &QComboBox::currentIndexChanged, this, [this] { EnableChoices(); });

    auto* scriptLabel = new QLabel(tr("&Original Spielsystem auswählen"), this);
    scriptLabel->setBuddy(m_scripts);
    auto* genericLabel = new QLabel(tr("&Generisches Spielsystem auswählen"), this);
    genericLabel->setBuddy(m_generic);
    m_apply = MakeButton(tr("Änderungen &übernehmen"), QStringLiteral("apply"), this);
    connect(m_apply, &QPushButton::clicked, this, &CLeagueSystemPage::Apply);

    auto* choices = new QGridLayout;
    choices->addWidget(scriptLabel, 0, 0);
    choices->addWidget(m_scripts, 0, 1);
    choices->addWidget(genericLabel, 1, 0);
    choices->addWidget(m_generic, 1, 1);
    choices->addWidget(m_apply, 1, 2);
    choices->setColumnStretch(3, 1);

    m_levels = new QTreeWidget(this);
    m_levels->setObjectName(QStringLiteral("levels"));
    m_levels->setAccessibleName(tr("Spielklassen und Ligen"));
    m_levels->setHeaderHidden(true);
    m_levels->setColumnCount(1);
    m_levels->setMinimumSize(m_levels->fontMetrics().averageCharWidth() * 44,
                             m_levels->fontMetrics().height() * 16);
    connect(m_levels, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Activate(item); });

    m_teamCount = new QLabel(this);
    m_teamCount->setObjectName(QStringLiteral("teamCount"));
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(tr("Anzahl Vereine im derzeitigen Ligasystem"), this));
    count->addWidget(m_teamCount);
    count->addStretch();

    m_fixtures = MakeButton(tr("&Spielpläne"), QStringLiteral("fixtures"), this);
    m_calendar = MakeButton(tr("&Rahmenkalender"), QStringLiteral("calendar"), this);
    m_composition = MakeButton(tr("&Ligazusammensetzung"), QStringLiteral("composition"), this);
    connect(m_fixtures, &QPushButton::clicked, this, [this] {
        CDlgFixturelist::Edit(m_document, m_country, this);
        Refresh();
    });
    connect(m_calendar, &QPushButton::clicked, this, [this] {
        CDlgCalendar::Edit(m_document, m_country, this);
        Refresh();
    });
    connect(m_composition, &QPushButton::clicked, this, [this] {
        CDlgLeagueComposition::Edit(m_document, m_country, this);
        Refresh();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_fixtures);
    buttons->addWidget(m_calendar);
    buttons->addWidget(m_composition);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_levels, 1);
    layout->addLayout(count);
    layout->addLayout(buttons);

    setTabOrder(m_scripts, m_generic);
    setTabOrder(m_generic, m_apply);
    setTabOrder(m_apply, m_levels);
    setTabOrder(m_levels, m_fixtures);
    setTabOrder(m_fixtures, m_calendar);
    setTabOrder(m_calendar, m_composition);

    Refresh();
}

void CLeagueSystemPage::Refresh() {
    const CWorld& world = m_document.World();
    const std::uint32_t current = m_levels->currentItem() != nullptr
                                      ? m_levels->currentItem()->data(0, kLeagueRole).toUInt()
                                      : 0;
    m_levels->clear();
    QTreeWidgetItem* chosen = nullptr;
    for (const SLevelRow& level : LeagueSystemLevels(world, m_country, m_document.Language())) {
        auto* levelItem = new QTreeWidgetItem(m_levels, {Cp1252ToQString(level.name)});
        levelItem->setData(0, kLevelRole, level.level);
        for (const SLeagueRow& league : level.leagues) {
            auto* leagueItem = new QTreeWidgetItem(levelItem, {Cp1252ToQString(league.name)});
            leagueItem->setData(0, kLeagueRole, league.leagueId);
            if (league.leagueId == current) {
                chosen = leagueItem;
            }
        }
    }
    m_levels->expandAll();
    m_levels->setCurrentItem(chosen != nullptr ? chosen : m_levels->topLevelItem(0));

    m_teamCount->setText(QString::number(TeamsInLeagueSystem(world, m_country)));
    const int script = world.Country(m_country).LeagueScript();
    {
        const QSignalBlocker quiet(m_scripts);
        m_scripts->setCurrentIndex(script < m_scripts->count() ? script : -1);
    }
    m_generic->setCurrentIndex(PreselectedGenericSystem(LeaguesPerLevel(world, m_country)));
    const bool hasLeague = !CountryLeagues(world, m_country).empty();
    for (QPushButton* button : {m_fixtures, m_calendar, m_composition}) {
        button->setEnabled(hasLeague);
    }
    EnableChoices();
}

void CLeagueSystemPage::EnableChoices() {
    m_generic->setEnabled(m_scripts->currentIndex() < 1);
}

void CLeagueSystemPage::Apply() {
    const int script = std::max(m_scripts->currentIndex(), 0);
    const int row = m_generic->currentIndex();
    const QString title = ResourceQString(ids::kApplicationTitle);
    if (script < 1 && row < 1) {
        QMessageBox::warning(this, title, tr("Bitte wählen Sie ein Spielsystem aus!"));
        return;
    }
    if (ApplyNeedsConfirmation(m_document.World(), m_country, script, row) &&
        !AskYesNo(this, title,
                  tr("Dabei werden Ligen des Landes gelöscht oder ersetzt. "
                     "Trotzdem übernehmen?"))) {
        return;
    }
    const EApplyResult result = ApplyLeagueSystemEdit(m_document, m_country, script, row);
    if (result == EApplyResult::kScriptMissing) {
        QMessageBox::warning(this, title,
                             tr("Die Datei des Spielsystems fehlt: es bleibt, wie es ist."));
    }
    Refresh();
    if (result == EApplyResult::kApplied && script < 1) {
        ShowRebuildFindings();
    }
}

void CLeagueSystemPage::ShowRebuildFindings() {
    const SCompositionFaults faults =
        CheckAfterRebuild(m_document.World(), m_country, m_document.Language());
    if (faults.messages.empty()) {
        return;
    }
    CDlgErrorMessage messages(this);
    messages.setObjectName(QStringLiteral("rebuildFaults"));
    if (faults.headed) {
        messages.SetHeading(QStringToCp1252(tr("Die folgenden Fehler sind aufgetreten!")));
    }
    for (const std::string& message : faults.messages) {
        messages.AddText(message);
    }
    messages.exec();
}

void CLeagueSystemPage::Activate(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    if (const std::uint32_t league = item->data(0, kLeagueRole).toUInt(); league != 0) {
        CDlgLeagueData::Edit(m_document, league, this);
    } else {
        CDlgLevelName::Edit(m_document, m_country, item->data(0, kLevelRole).toInt(), this);
    }
    Refresh();
}

}  // namespace kw

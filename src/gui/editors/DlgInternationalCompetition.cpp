#include "gui/editors/DlgInternationalCompetition.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

#include "document/DatabaseDocument.h"
#include "editing/ContinentalSettings.h"
#include "editing/CupSettingsRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/controls/SmallControls.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

QLabel* MakeShownValue(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 36);
    return label;
}

// The button beside the row captioned `what`, named after it: every row has one.
QPushButton* MakeChooseButton(const QString& what, const QString& name, QWidget* parent) {
    QPushButton* button = MakeButton(
        QCoreApplication::translate("kw::CDlgInternationalCompetition", "Auswählen"), name, parent);
    button->setAccessibleName(
        QCoreApplication::translate("kw::CDlgInternationalCompetition", "%1 auswählen").arg(what));
    return button;
}

}  // namespace

CDlgInternationalCompetition::CDlgInternationalCompetition(CDatabaseDocument& document,
                                                           QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_group(document, QStringToCp1252(tr("Kontinentale Einstellungen"))),
      m_stored(document.World().Rules()),
      m_edited(document.World().Rules()),
      m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("DlgInternationalCompetition"));
    setWindowTitle(tr("Kontinentale Einstellungen"));
    m_tabs->setObjectName(QStringLiteral("continents"));
    m_tabs->setAccessibleName(tr("Kontinente"));
    for (int continent = 0; continent < kContinentCount; ++continent) {
        m_tabs->addTab(MakeContinentTab(continent), Cp1252ToQString(ContinentName(continent)));
    }
    ShowHoldersAndVenues();

    m_ranking = new QPushButton(tr("&5-Jahres-Wertung"), this);
    m_ranking->setObjectName(QStringLiteral("fiveYearRanking"));
    m_ranking->setAutoDefault(false);
    connect(m_ranking, &QPushButton::clicked, this, &CDlgInternationalCompetition::OpenRanking);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    buttons->addButton(m_ranking, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
}

QWidget* CDlgInternationalCompetition::MakeContinentTab(int continent) {
    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("continent%1").arg(continent));
    auto* layout = new QVBoxLayout(page);
    const int language = m_document.Language();
    for (const SContinentalCompetition& competition : ContinentalCompetitions(continent)) {
        SRow row{continent, competition.competition};
        const QString suffix = QStringLiteral("%1_%2").arg(continent).arg(competition.competition);
        const QString caption = Cp1252ToQString(competition.label);
        auto* box = new QGroupBox(caption, page);
        box->setObjectName(QStringLiteral("competition") + suffix);
        auto* grid = new QGridLayout(box);
        row.name = new QLineEdit(box);
        row.name->setObjectName(QStringLiteral("name") + suffix);
        row.name->setMaxLength(static_cast<int>(CRules::kNameSize) - 1);
        row.name->setText(Cp1252ToQString(
            m_stored.CompetitionName(competition.competition, continent, language)));
        auto* nameLabel = new QLabel(tr("Name"), box);
        nameLabel->setBuddy(row.name);
        // Every competition has a "Name": the field is named with its competition.
        row.name->setAccessibleName(tr("%1: Name").arg(caption));
        grid->addWidget(nameLabel, 0, 0);
        grid->addWidget(row.name, 0, 1, 1, 2);

        const QString holderCaption = Cp1252ToQString(TitleHolderLabel(competition));
        row.holder = MakeShownValue(QStringLiteral("holder") + suffix, box);
        row.chooseHolder =
            MakeChooseButton(holderCaption, QStringLiteral("chooseHolder") + suffix, box);
        grid->addWidget(new QLabel(holderCaption, box), 1, 0);
        grid->addWidget(row.holder, 1, 1);
        grid->addWidget(row.chooseHolder, 1, 2);
        const int index = competition.competition;
        connect(row.chooseHolder, &QPushButton::clicked, this,
                [this, continent, index] { ChooseHolder(continent, index); });
        if (competition.hasVenue) {
            const QString venueCaption = Cp1252ToQString(VenueLabel(competition));
            row.venue = MakeShownValue(QStringLiteral("venue") + suffix, box);
            row.chooseVenue =
                MakeChooseButton(venueCaption, QStringLiteral("chooseVenue") + suffix, box);
            grid->addWidget(new QLabel(venueCaption, box), 2, 0);
            grid->addWidget(row.venue, 2, 1);
            grid->addWidget(row.chooseVenue, 2, 2);
            connect(row.chooseVenue, &QPushButton::clicked, this,
                    [this, continent, index] { ChooseVenue(continent, index); });
        }
        grid->setColumnStretch(1, 1);
        // A competition the game sets up by itself keeps its controls, out of sight.
        box->setVisible(competition.visible);
        layout->addWidget(box);
        m_rows.push_back(row);
    }
    layout->addStretch(1);
    return page;
}

bool CDlgInternationalCompetition::Edit(CDatabaseDocument& document, QWidget* parent) {
    CDlgInternationalCompetition dialog(document, parent);
    return dialog.exec() == QDialog::Accepted && dialog.m_settingsStored;
}

void CDlgInternationalCompetition::accept() {
    m_settingsStored = StoreContinentalSettings(m_document, Edited());
    CDialogB::accept();
}

void CDlgInternationalCompetition::done(int result) {
    CDialogB::done(result);
    if (result == QDialog::Accepted) {
        m_group.Close();
    } else {
        m_group.Discard();
    }
}

CRules CDlgInternationalCompetition::Edited() const {
    CRules edited = m_edited;
    const int language = m_document.Language();
    for (const SRow& row : m_rows) {
        const std::string_view stored =
            m_stored.CompetitionName(row.competition, row.continent, language);
        // A name shown as stored keeps its bytes.
        if (row.name->text() != Cp1252ToQString(stored)) {
            edited.SetCompetitionName(row.competition, row.continent, language,
                                      QStringToCp1252(row.name->text()));
        }
    }
    return edited;
}

const CDlgInternationalCompetition::SRow* CDlgInternationalCompetition::Row(int continent,
                                                                            int competition) const {
    for (const SRow& row : m_rows) {
        if (row.continent == continent && row.competition == competition) {
            return &row;
        }
    }
    return nullptr;
}

QLineEdit* CDlgInternationalCompetition::NameField(int continent, int competition) const {
    const SRow* row = Row(continent, competition);
    return row != nullptr ? row->name : nullptr;
}

QLabel* CDlgInternationalCompetition::HolderText(int continent, int competition) const {
    const SRow* row = Row(continent, competition);
    return row != nullptr ? row->holder : nullptr;
}

QPushButton* CDlgInternationalCompetition::HolderButton(int continent, int competition) const {
    const SRow* row = Row(continent, competition);
    return row != nullptr ? row->chooseHolder : nullptr;
}

QLabel* CDlgInternationalCompetition::VenueText(int continent, int competition) const {
    const SRow* row = Row(continent, competition);
    return row != nullptr ? row->venue : nullptr;
}

QPushButton* CDlgInternationalCompetition::VenueButton(int continent, int competition) const {
    const SRow* row = Row(continent, competition);
    return row != nullptr ? row->chooseVenue : nullptr;
}

void CDlgInternationalCompetition::ChooseHolder(int continent, int competition) {
    const CWorld& world = m_document.World();
    const std::uint32_t holder = m_edited.TitleHolder(competition, continent);
    const int country = ClubCountry(holder);
    CDlgSelectClub chooser(world, m_document.Language(),
                           country >= 1 && country <= kCountryCount ? country : kDefaultCountry,
                           this);
    // The chooser opens on the current holder.
    for (int entry = 0; entry < chooser.Clubs().count(); ++entry) {
        if (holder != 0 && chooser.Clubs().item(entry)->data(Qt::UserRole).toUInt() == holder) {
            chooser.Clubs().setCurrentRow(entry);
        }
    }
    if (chooser.exec() != QDialog::Accepted || chooser.SelectedClub() == 0) {
        return;
    }
    ChooseTitleHolder(m_edited, continent, competition, chooser.SelectedClub());
    ShowHoldersAndVenues();
}

void CDlgInternationalCompetition::ChooseVenue(int continent, int competition) {
    const std::uint32_t venue = m_edited.Venue(competition, continent);
    const std::optional<std::uint32_t> chosen =
        CDlgStadiumSelect::Choose(m_document.World(), m_document.Language(),
                                  StadiumRefCountry(venue), StadiumRefNumber(venue), this);
    if (chosen) {
        m_edited.SetVenue(competition, continent, *chosen);
        ShowHoldersAndVenues();
    }
}

void CDlgInternationalCompetition::ShowHoldersAndVenues() {
    const CWorld& world = m_document.World();
    for (const SRow& row : m_rows) {
        row.holder->setText(Cp1252ToQString(TitleHolderText(
            world, m_edited.TitleHolder(row.competition, row.continent), m_document.Language())));
        if (row.venue != nullptr) {
            row.venue->setText(Cp1252ToQString(kw::VenueText(
                world, m_edited.Venue(row.competition, row.continent), m_document.Language())));
        }
    }
}

void CDlgInternationalCompetition::OpenRanking() {
    CDlg5Year::Edit(m_document, ContinentRankingCountry(m_document.World(), m_tabs->currentIndex()),
                    this);
}

}  // namespace kw

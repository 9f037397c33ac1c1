#include "gui/editors/club/DlgClub.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>

#include "editing/ClubGeneralRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/club/MoneySpinBox.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// What the page lets the user type where the record would hold more.
constexpr int kNameLimit = 20;
constexpr int kAbbreviationLimit = 10;
constexpr int kNameCodeLimit = 4;
constexpr int kFansNameLimit = 30;
constexpr int kMascotLimit = 29;
constexpr int kAddressLimit = 118;
constexpr int kFanSitesLimit = 128;
constexpr int kNewspaperLimit = 29;
constexpr int kSpectatorDigits = 6;
constexpr int kUnlimited = 1 << 16;

constexpr std::array kLanguages = {ids::kLanguageGerman, ids::kLanguageEnglish,
                                   ids::kLanguageFrench, ids::kLanguageSpanish,
                                   ids::kLanguageItalian};

// An article button shows only the article; a screen reader also says which name it belongs to.
// In the order of CClub::Article.
constexpr std::array kArticleNames = {
    QT_TRANSLATE_NOOP("kw::CDlgClub", "Artikel des Kurznamens: %1"),
    QT_TRANSLATE_NOOP("kw::CDlgClub", "Artikel der Fans: %1"),
    QT_TRANSLATE_NOOP("kw::CDlgClub", "Artikel der 2. Bezeichnung: %1"),
};

std::string View(std::string_view text) {
    return std::string(text);
}

}  // namespace

CDlgClub::CDlgClub(SClubEditContext& context, bool languageSelection, QWidget* parent)
    : CClubPage(context, parent), m_languageSelection(languageSelection) {
    setObjectName(QStringLiteral("DlgClub"));
    auto* layout = new QGridLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(CreateNamesGroup());
    left->addWidget(CreateAddressGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(CreateSpectatorGroup());
    right->addWidget(CreateRivalsGroup());
    right->addWidget(CreateClubGroup());
    right->addWidget(CreateTeamsGroup());
    right->addStretch(1);
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
}

QLineEdit* CDlgClub::AddLineField(int pageLimit, std::size_t capacity,
                                  std::function<std::string(const CClub&, int)> read,
                                  std::function<void(CClub&, int, std::string_view)> write) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(TypingLimit(pageLimit, capacity));
    m_lines.push_back({edit, std::move(read), std::move(write), QString()});
    return edit;
}

QPushButton* CDlgClub::ArticleButton(CClub::Article which) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("article%1").arg(static_cast<int>(which)));
    button->setAutoDefault(false);
    m_articles[static_cast<std::size_t>(which)] = button;
    connect(button, &QPushButton::clicked, this, [this, which] {
        Context().club.NextArticle(which, Context().language);
        ShowArticles();
    });
    return button;
}

QGroupBox* CDlgClub::CreateNamesGroup() {
    auto* group = new QGroupBox(tr("Allgemein"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* extra = nullptr) {
        grid->addWidget(MakeBuddy(label, field, group), row, 0);
        grid->addWidget(field, row, 1, 1, extra != nullptr ? 1 : 2);
        if (extra != nullptr) {
            grid->addWidget(extra, row, 2);
        }
        ++row;
    };

    m_name = AddLineField(
        kNameLimit, CFixedText<30>::kCapacity,
        [](const CClub& club, int language) { return View(club.Name(language)); },
        // Both name sets, as every editor sets a name; only a name the user changed.
        [](CClub& club, int language, std::string_view text) { club.SetName(language, text); });
    m_name->setObjectName(QStringLiteral("name"));
    connect(m_name, &QLineEdit::textChanged, this, [this] { ShowSentences(); });
    addRow(tr("&Name des Vereins"), m_name);

    QLineEdit* abbreviation = AddLineField(
        kAbbreviationLimit, CFixedText<12>::kCapacity,
        [](const CClub& club, int language) {
            return View(club.Abbreviations()[static_cast<std::size_t>(language)].View());
        },
        [](CClub& club, int language, std::string_view text) {
            club.SetAbbreviation(language, text);
        });
    abbreviation->setObjectName(QStringLiteral("abbreviation"));
    addRow(tr("A&bkürzung"), abbreviation);

    QLineEdit* code = AddLineField(
        kNameCodeLimit, CFixedText<5>::kCapacity,
        [](const CClub& club, int language) {
            return View(club.NameCodes()[static_cast<std::size_t>(language)].View());
        },
        [](CClub& club, int language, std::string_view text) { club.SetNameCode(language, text); });
    code->setObjectName(QStringLiteral("nameCode"));
    addRow(tr("&Kurzname"), code, ArticleButton(CClub::kClubArticle));

    for (std::size_t list = 0; list < m_sentences.size(); ++list) {
        auto* button = new QPushButton(group);
        button->setObjectName(QStringLiteral("sentence%1").arg(list));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this] {
            Context().club.NextSentence(Context().language);
            ShowSentences();
        });
        m_sentences[list] = button;
    }
    grid->addWidget(MakeBuddy(tr("Im &Satz"), m_sentences[0], group), row, 0);
    grid->addWidget(m_sentences[0], row++, 1, 1, 2);
    grid->addWidget(m_sentences[1], row++, 1, 1, 2);

    QLineEdit* city = AddLineField(
        kUnlimited, CFixedText<30>::kCapacity,
        [](const CClub& club, int language) {
            return View(club.Cities()[static_cast<std::size_t>(language)].View());
        },
        [](CClub& club, int language, std::string_view text) { club.SetCity(language, text); });
    city->setObjectName(QStringLiteral("city"));
    addRow(tr("&Ort"), city);

    QLineEdit* fans = AddLineField(
        kFansNameLimit, CFixedText<20>::kCapacity,
        [](const CClub& club, int) { return View(club.FansName().View()); },
        [](CClub& club, int, std::string_view text) { club.SetFansName(text); });
    fans->setObjectName(QStringLiteral("fansName"));
    addRow(tr("Bezeichnung der &Fans"), fans, ArticleButton(CClub::kFansArticle));

    QLineEdit* secondFans = AddLineField(
        kFansNameLimit, CFixedText<20>::kCapacity,
        [](const CClub& club, int) { return View(club.SecondFansName().View()); },
        [](CClub& club, int, std::string_view text) { club.SetSecondFansName(text); });
    secondFans->setObjectName(QStringLiteral("secondFansName"));
    addRow(tr("&2. Bezeichnung"), secondFans, ArticleButton(CClub::kSecondFansArticle));

    QLineEdit* mascot = AddLineField(
        kMascotLimit, CFixedText<20>::kCapacity,
        [](const CClub& club, int) { return View(club.Mascot().View()); },
        [](CClub& club, int, std::string_view text) { club.SetMascot(text); });
    mascot->setObjectName(QStringLiteral("mascot"));
    addRow(tr("&Maskottchen"), mascot);

    m_language = new QComboBox(group);
    m_language->setObjectName(QStringLiteral("language"));
    for (std::size_t language = 0; language < kLanguages.size(); ++language) {
        m_language->addItem(ResourceQString(kLanguages[language]), static_cast<int>(language));
    }
    m_language->setEnabled(m_languageSelection);
    connect(m_language, &QComboBox::activated, this, &CDlgClub::ChooseLanguage);
    addRow(tr("S&prache"), m_language);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* CDlgClub::CreateAddressGroup() {
    auto* group = new QGroupBox(tr("Anschrift + Lokale Presse"), this);
    auto* form = new QFormLayout(group);
    const auto add = [&](const QString& label, const char* name, QLineEdit* edit) {
        edit->setObjectName(QString::fromLatin1(name));
        form->addRow(MakeBuddy(label, edit, group), edit);
    };
    add(tr("A&dresse"), "address",
        AddLineField(
            kAddressLimit, CFixedText<120>::kCapacity,
            [](const CClub& club, int) { return View(club.Address().View()); },
            [](CClub& club, int, std::string_view text) { club.SetAddress(text); }));
    add(tr("&Telefonnummer"), "telephone",
        AddLineField(
            kUnlimited, CFixedText<20>::kCapacity,
            [](const CClub& club, int) { return View(club.Telephone().View()); },
            [](CClub& club, int, std::string_view text) { club.SetTelephone(text); }));
    add(tr("&Website/E-Mail"), "website",
        AddLineField(
            kUnlimited, CFixedText<128>::kCapacity,
            [](const CClub& club, int) { return View(club.Website().View()); },
            [](CClub& club, int, std::string_view text) { club.SetWebsite(text); }));

    m_fanSites = new QPlainTextEdit(group);
    m_fanSites->setObjectName(QStringLiteral("fanSites"));
    m_fanSites->setTabChangesFocus(true);
    m_fanSites->setFixedHeight(m_fanSites->fontMetrics().lineSpacing() * 3 +
                               2 * m_fanSites->frameWidth() + 8);
    // The field holds what the record keeps; typing beyond it is cut off.
    connect(m_fanSites, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_fanSites->toPlainText();
        if (text.size() > kFanSitesLimit) {
            const QSignalBlocker blocker(m_fanSites);
            m_fanSites->setPlainText(text.left(kFanSitesLimit));
            m_fanSites->moveCursor(QTextCursor::End);
        }
    });
    form->addRow(MakeBuddy(tr("F&ansites"), m_fanSites, group), m_fanSites);

    add(tr("&Lokale Zeitung"), "newspaper",
        AddLineField(
            kNewspaperLimit, CFixedText<30>::kCapacity,
            [](const CClub& club, int) { return View(club.Newspaper().View()); },
            [](CClub& club, int, std::string_view text) { club.SetNewspaper(text); }));
    return group;
}

QGroupBox* CDlgClub::CreateSpectatorGroup() {
    auto* group =
        new QGroupBox(tr("Zuschauerinteresse (ohne Begrenzung durch Stadiongröße)"), this);
    auto* form = new QFormLayout(group);
    struct SSpectatorField {
        const char* label;
        const char* name;
        std::int32_t (CClub::*read)() const;
        void (CClub::*write)(std::int32_t);
    };
    const std::array fields = {
        SSpectatorField{QT_TR_NOOP("Wichtigstes Spiel (10 Jahre, gleiche Liga)"), "biggestMatch",
                        &CClub::BiggestMatchAttendance, &CClub::SetBiggestMatchAttendance},
        SSpectatorField{QT_TR_NOOP("Durchschnitt letzte Saison"), "averageAttendance",
                        &CClub::AverageAttendance, &CClub::SetAverageAttendance},
        SSpectatorField{QT_TR_NOOP("Dauerkarten letzte Saison"), "seasonTickets",
                        &CClub::SeasonTickets, &CClub::SetSeasonTickets},
    };
    const auto* digits = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kSpectatorDigits)), this);
    for (const SSpectatorField& field : fields) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(field.name));
        edit->setMaxLength(kSpectatorDigits);
        edit->setValidator(digits);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
        m_numbers.push_back({edit, field.read, field.write, QString()});
        form->addRow(tr(field.label), edit);
    }
    return group;
}

QGroupBox* CDlgClub::CreateRivalsGroup() {
    auto* group = new QGroupBox(tr("Rivalen"), this);
    auto* form = new QFormLayout(group);
    auto* friendly = new QComboBox(group);
    friendly->setObjectName(QStringLiteral("friendlyClub"));
    m_clubCombos.push_back({friendly, -1, -1});
    form->addRow(MakeBuddy(tr("Fanfreunds&chaft mit"), friendly, group), friendly);
    // The page shows three of the four rival slots; the fourth stays as it is.
    for (int slot = 0; slot < 3; ++slot) {
        auto* rival = new QComboBox(group);
        rival->setObjectName(QStringLiteral("rival%1").arg(slot));
        m_clubCombos.push_back({rival, slot, -1});
        if (slot == 0) {
            form->addRow(MakeBuddy(tr("&Erzrivalen"), rival, group), rival);
        } else {
            form->addRow(QString(), rival);
        }
        // The three rival combos share one label.
        rival->setAccessibleName(tr("Erzrivale %1").arg(slot + 1));
    }
    for (const SClubCombo& combo : m_clubCombos) {
        combo.box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo.box->setMinimumContentsLength(22);
    }
    return group;
}

QGroupBox* CDlgClub::CreateClubGroup() {
    auto* group = new QGroupBox(tr("Verein"), this);
    auto* grid = new QGridLayout(group);

    m_year = new CSpinEditCtrl(group);
    m_year->setObjectName(QStringLiteral("foundingYear"));
    m_year->SetRange(kFoundingYearMinimum, kFoundingYearMaximum);
    grid->addWidget(MakeBuddy(tr("&Gründungsjahr"), m_year, group), 0, 0);
    grid->addWidget(m_year, 0, 1, 1, 2);

    grid->addWidget(new QLabel(tr("Vereinsprestige"), group), 1, 0);
    for (std::size_t which = 0; which < m_prestige.size(); ++which) {
        auto* bar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, group);
        bar->setObjectName(QStringLiteral("prestige%1").arg(which));
        bar->setRange(0, kMaxPrestige);
        bar->setAccessibleName(tr("Vereinsprestige %1").arg(which + 1));
        bar->setPageStep(1);
        auto* value = new QLabel(group);
        value->setObjectName(QStringLiteral("prestigeValue%1").arg(which));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00")));
        connect(bar, &CValueScrollBar::BarValueChanged, value,
                [value](int shown) { value->setNum(shown); });
        m_prestige[which] = bar;
        m_prestigeValues[which] = value;
        const int row = 1 + static_cast<int>(which);
        grid->addWidget(bar, row, 1);
        grid->addWidget(value, row, 2);
    }

    m_money = new CMoneySpinBox(group);
    m_money->setObjectName(QStringLiteral("money"));
    grid->addWidget(MakeBuddy(tr("Anfangs&vermögen"), m_money, group), 3, 0);
    grid->addWidget(m_money, 3, 1, 1, 2);

    m_company = new QCheckBox(tr("Akt&iengesellschaft"), group);
    m_company->setObjectName(QStringLiteral("publicCompany"));
    grid->addWidget(m_company, 4, 0, 1, 3);

    grid->addWidget(new QLabel(tr("Punktabzug bei Spielstart"), group), 5, 0);
    auto* radios = new QHBoxLayout;
    m_deduction = new QButtonGroup(group);
    for (const std::uint8_t points : kPointDeductions) {
        auto* radio = new QRadioButton(QString::number(points), group);
        radio->setObjectName(QStringLiteral("deduction%1").arg(points));
        radio->setAccessibleName(tr("Punktabzug %1").arg(points));
        m_deduction->addButton(radio, points);
        radios->addWidget(radio);
    }
    radios->addStretch(1);
    grid->addLayout(radios, 5, 1, 1, 2);

    m_noItCup = new QCheckBox(tr("Spielt nicht im I&T Cup"), group);
    m_noItCup->setObjectName(QStringLiteral("noItCup"));
    grid->addWidget(m_noItCup, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* CDlgClub::CreateTeamsGroup() {
    auto* group = new QGroupBox(tr("Mannschaften"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Spieler"), group), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("Ø - Stärke"), group), 0, 2, Qt::AlignRight);
    const std::array teams = {tr("1. Mannschaft"), tr("2. Mannschaft")};
    for (std::size_t team = 0; team < teams.size(); ++team) {
        const int row = 1 + static_cast<int>(team);
        grid->addWidget(new QLabel(teams[team], group), row, 0);
        for (std::size_t column = 0; column < 2; ++column) {
            auto* value = new QLabel(group);
            value->setObjectName(QStringLiteral("team%1Value%2").arg(team).arg(column));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(value, row, 1 + static_cast<int>(column));
            m_teams[team][column] = value;
        }
    }
    grid->setColumnStretch(0, 1);
    return group;
}

void CDlgClub::Load() {
    const CClub& club = Context().club;
    const int language = Context().language;
    for (SLineField& line : m_lines) {
        const QSignalBlocker blocker(line.edit);
        line.edit->setText(Cp1252ToQString(line.read(club, language)));
        // A longer stored text is shown cut; what the field shows counts as unchanged.
        line.loaded = line.edit->text();
        line.edit->setCursorPosition(0);
    }
    {
        const QSignalBlocker blocker(m_fanSites);
        m_fanSites->setPlainText(Cp1252ToQString(club.FanSites().View()).left(kFanSitesLimit));
        m_loadedFanSites = m_fanSites->toPlainText();
    }
    for (SNumberField& number : m_numbers) {
        number.edit->setText(QString::number((club.*number.read)()));
        number.loaded = number.edit->text();
    }
    FillClubCombos();

    m_year->SetValue(club.FoundingYear());
    m_loadedYear = m_year->StoredValue();
    const std::array<int, 2> prestige = {club.Prestige(), club.SecondPrestige()};
    for (std::size_t which = 0; which < m_prestige.size(); ++which) {
        m_prestige[which]->SetValue(prestige[which]);
        m_loadedPrestige[which] = m_prestige[which]->Value();
        m_prestigeValues[which]->setNum(m_loadedPrestige[which]);
    }
    m_money->LoadMoney(club.InitialAssets());
    m_loadedMoneyPosition = m_money->value();
    m_company->setChecked(club.PublicCompany() != 0);
    m_loadedCompany = m_company->isChecked();
    // A deduction other than 0, 3 and 6 leaves every radio button empty.
    m_deduction->setExclusive(false);
    for (QAbstractButton* radio : m_deduction->buttons()) {
        radio->setChecked(m_deduction->id(radio) == club.PointsDeduction());
    }
    m_deduction->setExclusive(true);
    m_loadedDeduction = m_deduction->checkedId();
    m_noItCup->setChecked((club.StatusFlags() & CClub::kNoItCupFlag) != 0);
    m_loadedNoItCup = m_noItCup->isChecked();

    {
        const QSignalBlocker blocker(m_language);
        m_language->setCurrentIndex(m_language->findData(language));
    }
    ShowArticles();
    ShowSentences();
    ShowTeams();
}

void CDlgClub::StoreInto(CClub& club) const {
    const int language = Context().language;
    for (const SLineField& line : m_lines) {
        if (line.edit->text() != line.loaded) {
            line.write(club, language, QStringToCp1252(line.edit->text()));
        }
    }
    if (m_fanSites->toPlainText() != m_loadedFanSites) {
        club.SetFanSites(
            FanSitesFromEditor(QStringToCp1252(m_fanSites->toPlainText()), kFanSitesLimit));
    }
    for (const SNumberField& number : m_numbers) {
        if (number.edit->text() != number.loaded) {
            (club.*number.write)(ReadDecimalNumber(QStringToCp1252(number.edit->text())));
        }
    }
    for (const SClubCombo& combo : m_clubCombos) {
        const int index = combo.box->currentIndex();
        if (index == combo.loaded || index < 0) {
            continue;
        }
        const std::uint32_t id = combo.box->itemData(index).toUInt();
        if (combo.rivalSlot < 0) {
            club.SetFanFriendship(id);
        } else {
            club.SetRival(combo.rivalSlot, id);
        }
    }
    // The field may still hold a number typed without leaving it (Enter on OK).
    const int year = std::clamp(m_year->GetValue(), kFoundingYearMinimum, kFoundingYearMaximum);
    if (year != m_loadedYear) {
        club.SetFoundingYear(static_cast<std::int16_t>(year));
    }
    if (m_prestige[0]->Value() != m_loadedPrestige[0]) {
        club.SetPrestige(static_cast<std::uint8_t>(m_prestige[0]->Value()));
    }
    if (m_prestige[1]->Value() != m_loadedPrestige[1]) {
        club.SetSecondPrestige(static_cast<std::uint8_t>(m_prestige[1]->Value()));
    }
    m_money->interpretText();
    if (m_money->value() != m_loadedMoneyPosition) {
        // Sets the credit line to half of it as well.
        club.SetInitialAssets(MoneyFromSpinPosition(m_money->value()));
    }
    if (m_company->isChecked() != m_loadedCompany) {
        club.SetPublicCompany(m_company->isChecked() ? 1 : 0);
    }
    if (m_deduction->checkedId() != m_loadedDeduction && m_deduction->checkedId() >= 0) {
        club.SetPointsDeduction(static_cast<std::uint8_t>(m_deduction->checkedId()));
    }
    if (m_noItCup->isChecked() != m_loadedNoItCup) {
        club.SetStatusFlags(WithNoItCup(club.StatusFlags(), m_noItCup->isChecked()));
    }
}

void CDlgClub::FillClubCombos() {
    const CClub& club = Context().club;
    const std::vector<SClubChoice> choices = ClubChoices(Context().world, club, Context().language);
    for (SClubCombo& combo : m_clubCombos) {
        const QSignalBlocker blocker(combo.box);
        combo.box->clear();
        for (const SClubChoice& choice : choices) {
            combo.box->addItem(Cp1252ToQString(choice.name), choice.id);
        }
        const std::uint32_t current =
            combo.rivalSlot < 0 ? club.FanFriendship()
                                : club.Rivals()[static_cast<std::size_t>(combo.rivalSlot)];
        // A club the list lacks (another country's, a deleted one) shows nothing and stays.
        combo.box->setCurrentIndex(ChoiceIndex(choices, current));
        combo.loaded = combo.box->currentIndex();
    }
}

void CDlgClub::ShowArticles() {
    for (std::size_t which = 0; which < m_articles.size(); ++which) {
        const std::uint8_t choice =
            Context().club.ArticleChoice(static_cast<int>(which), Context().language);
        const QString article = Cp1252ToQString(ArticleText(Context().language, choice));
        m_articles[which]->setText(article);
        m_articles[which]->setAccessibleName(tr(kArticleNames[which]).arg(article));
    }
}

void CDlgClub::ShowSentences() {
    const std::string name = QStringToCp1252(m_name->text());
    for (std::size_t list = 0; list < m_sentences.size(); ++list) {
        const std::uint8_t choice =
            Context().club.SentenceChoice(static_cast<int>(list), Context().language);
        const QString sentence =
            Cp1252ToQString(SentenceText(static_cast<int>(list), Context().language, choice, name));
        m_sentences[list]->setText(sentence);
        m_sentences[list]->setAccessibleName(tr("Im Satz %1: %2").arg(list + 1).arg(sentence));
    }
}

void CDlgClub::ShowTeams() {
    const std::array teams = {TeamStatistics(Context().club.FirstTeam()),
                              TeamStatistics(Context().club.SecondTeam())};
    for (std::size_t team = 0; team < teams.size(); ++team) {
        m_teams[team][0]->setText(QString::fromStdString(FormatPlayerCount(teams[team])));
        m_teams[team][1]->setText(QString::fromStdString(FormatAverageStrength(teams[team])));
    }
}

void CDlgClub::ChooseLanguage(int index) {
    const int language = m_language->itemData(index).toInt();
    if (language == Context().language) {
        return;
    }
    Store();
    Context().language = language;
    Load();
    emit LanguageChanged();
}

}  // namespace kw

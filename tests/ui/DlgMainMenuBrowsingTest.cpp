#include <QGroupBox>
#include <QScrollBar>

#include <set>

#include "GuiTest.h"
#include "MenuDrivers.h"
#include "gui/controls/MyListBox.h"
#include "reports/ClubList.h"
#include "reports/WorldStatistics.h"
#include "storage/TextCollation.h"

namespace kw {

using namespace test;

// The main window's browsing view on the small demo database, driven through its widgets.
class DlgMainMenuBrowsingTest : public CMainWindowGuiTest {
    Q_OBJECT

private slots:
    void continentsListExactlyTheirCountriesSorted();
    void countriesSortUnderTheCLocaleAndTheLanguageIsAView();
    void eachContinentKeepsItsCountryAndListView();
    void clubsSortByLeagueAndStrengthAndStatisticsShowTheCountry();

private:
    static void ChooseContinent(QWidget& window, int continent);
    static void ClickCountry(QWidget& window, int number);
    static std::vector<int> ListedCountries(QWidget& window);
    static QString Label(QWidget& window, const QString& name);
    // A country with at least three clubs, some in leagues and the strengths not all equal.
    static int CountryWithClubs(const CWorld& world);
    // Shows the window with that country chosen; returns its number.
    static int ShowCountryWithClubs(DlgMainMenu& window);
};

void DlgMainMenuBrowsingTest::ChooseContinent(QWidget& window, int continent) {
    Choose(Child<QComboBox>(window, "continents"), continent);
}

void DlgMainMenuBrowsingTest::ClickCountry(QWidget& window, int number) {
    auto& list = Child<QListWidget>(window, "countries");
    const int row = RowWithData(list, static_cast<std::uint32_t>(number));
    QVERIFY(row >= 0);
    ClickRow(list, row);
    QCOMPARE(CurrentCountry(window), number);
}

std::vector<int> DlgMainMenuBrowsingTest::ListedCountries(QWidget& window) {
    auto& list = Child<QListWidget>(window, "countries");
    std::vector<int> numbers;
    for (int row = 0; row < list.count(); ++row) {
        numbers.push_back(list.item(row)->data(Qt::UserRole).toInt());
    }
    return numbers;
}

QString DlgMainMenuBrowsingTest::Label(QWidget& window, const QString& name) {
    return Child<QLabel>(window, name).text();
}

int DlgMainMenuBrowsingTest::CountryWithClubs(const CWorld& world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        const auto entries = ClubListEntries(world.Country(number), kDefaultLanguage);
        std::set<std::uint32_t> leagues;
        std::set<double> strengths;
        for (const SClubListEntry& entry : entries) {
            leagues.insert(entry.leagueId);
            strengths.insert(entry.strength);
        }
        if (entries.size() >= 4 && leagues.size() >= 2 && strengths.size() >= 3) {
            return number;
        }
    }
    return 0;
}

int DlgMainMenuBrowsingTest::ShowCountryWithClubs(DlgMainMenu& window) {
    window.show();
    const int number = CountryWithClubs(window.World());
    if (number != 0) {
        ChooseContinent(window, window.World().Country(number).Continent());
        ClickCountry(window, number);
    }
    return number;
}

// Starts in Europe with the default country and without the language group; each continent
// lists exactly its countries, sorted; document changes refresh the clubs and the totals.
void DlgMainMenuBrowsingTest::continentsListExactlyTheirCountriesSorted() {
    DlgMainMenu window(m_context, m_ui);
    window.show();
    auto& box = Child<QComboBox>(window, "continents");
    QCOMPARE(box.currentText(), QStringLiteral("Europa"));
    QCOMPARE(box.currentData().toInt(), 0);
    QCOMPARE(CurrentCountry(window), kDefaultCountry);
    QVERIFY(!Child<QGroupBox>(window, "languageGroup").isVisible());
    // The continents in the user's alphabetical order, each with its number.
    QCOMPARE(box.itemText(0), QStringLiteral("Afrika"));
    QCOMPARE(box.itemData(0).toInt(), 3);
    QCOMPARE(box.itemText(5), QStringLiteral("Südamerika"));
    QCOMPARE(box.itemData(5).toInt(), 1);

    auto& clubs = Child<CMyListBox>(window, "clubs");
    const int rows = clubs.count();
    const int total = Label(window, QStringLiteral("clubsTotal")).toInt();
    AddClub(window.Document());
    QCOMPARE(clubs.count(), rows + 1);
    QCOMPARE(Label(window, QStringLiteral("clubsTotal")).toInt(), total + 1);
    window.Undo();
    QCOMPARE(clubs.count(), rows);
    QCOMPARE(Label(window, QStringLiteral("clubsTotal")).toInt(), total);

    const CWorld& world = window.World();
    const int language = kDefaultLanguage;
    int listedTotal = 0;
    for (int continent : {4, 1, 5, 0, 3, 2}) {
        ChooseContinent(window, continent);
        const std::vector<int> listed = ListedCountries(window);
        std::set<int> expected;
        for (int number = 1; number <= kCountryCount; ++number) {
            if (world.Country(number).Continent() == continent) {
                expected.insert(number);
            }
        }
        QCOMPARE(std::set<int>(listed.begin(), listed.end()), expected);
        QCOMPARE(listed.size(), expected.size());
        for (std::size_t row = 1; row < listed.size(); ++row) {
            const std::string& before = world.Country(listed[row - 1]).Name(language);
            const std::string& after = world.Country(listed[row]).Name(language);
            QVERIFY2(CollateText(before, after) <= 0,
                     (Cp1252ToUtf8(before) + " > " + Cp1252ToUtf8(after)).c_str());
        }
        // The first country is selected on a continent not visited before.
        if (!listed.empty() && continent != 0) {
            QCOMPARE(CurrentCountry(window), listed.front());
        }
        listedTotal += static_cast<int>(listed.size());
    }
    QCOMPARE(listedTotal, kCountryCount);
}

void DlgMainMenuBrowsingTest::eachContinentKeepsItsCountryAndListView() {
    DlgMainMenu window(m_context, m_ui);
    window.show();
    auto& countries = Child<QListWidget>(window, "countries");
    // Europe has more countries than the list shows at once.
    const std::vector<int> europe = ListedCountries(window);
    QVERIFY(countries.verticalScrollBar()->maximum() > 2);
    const int middle = europe[europe.size() / 2];
    ClickCountry(window, middle);
    countries.verticalScrollBar()->setValue(countries.verticalScrollBar()->maximum() - 1);
    const int europeView = countries.verticalScrollBar()->value();

    // A continent shown for the first time has its selection at the top of the list.
    ChooseContinent(window, 3);
    QCOMPARE(countries.visualItemRect(countries.currentItem()).top(), 0);
    countries.verticalScrollBar()->setValue(1);
    const int africaView = countries.verticalScrollBar()->value();

    ChooseContinent(window, 0);
    QCOMPARE(CurrentCountry(window), middle);
    QCOMPARE(countries.verticalScrollBar()->value(), europeView);
    // A refresh after an edit keeps the view too.
    QVERIFY(window.Document().Perform("Bearbeitung", SWorldScope::Countries({middle}),
                                      [](CWorld&) { return true; }));
    QCOMPARE(countries.verticalScrollBar()->value(), europeView);
    ChooseContinent(window, 3);
    QCOMPARE(countries.verticalScrollBar()->value(), africaView);
    // The club list follows the country: its first row is that country's national team.
    auto& clubs = Child<CMyListBox>(window, "clubs");
    QVERIFY(clubs.count() >= 1);
    QCOMPARE(static_cast<int>(clubs.item(0)->data(Qt::UserRole).toUInt() >> 16),
             CurrentCountry(window));
}

void DlgMainMenuBrowsingTest::clubsSortByLeagueAndStrengthAndStatisticsShowTheCountry() {
    DlgMainMenu window(m_context, m_ui);
    const int number = ShowCountryWithClubs(window);
    QVERIFY(number != 0);
    const CWorld& world = window.World();

    // Each order is SortClubList's (ClubList in tests/reports/ReportsTest.cpp); the list shows it.
    auto& clubs = Child<CMyListBox>(window, "clubs");
    const auto shownIn = [&clubs, &world, number](EClubListOrder order) {
        std::vector<SClubListEntry> entries =
            ClubListEntries(world.Country(number), kDefaultLanguage);
        SortClubList(entries, order);
        bool same = static_cast<std::size_t>(clubs.count()) == entries.size();
        for (std::size_t row = 0; same && row < entries.size(); ++row) {
            same = clubs.item(static_cast<int>(row))->data(Qt::UserRole).toUInt() ==
                   entries[row].clubId;
        }
        return same;
    };
    Click(window, "sortByLeague");
    QVERIFY(shownIn(EClubListOrder::kLeague));

    // The selected club stays selected when the order changes.
    clubs.setCurrentRow(2);
    const QVariant selected = clubs.currentItem()->data(Qt::UserRole);
    Click(window, "sortByStrength");
    QCOMPARE(clubs.currentItem()->data(Qt::UserRole), selected);
    QVERIFY(shownIn(EClubListOrder::kStrength));

    // The statistics show the selected country and the totals.
    const SStatistics country = CountryStatistics(world.Country(number));
    const SStatistics total = TotalStatistics(world);
    QVERIFY(country.players > 0 && total.clubs > country.clubs);
    const std::vector<std::pair<const char*, std::pair<QString, QString>>> expected = {
        {"leagues", {QString::number(country.leagues), QString::number(total.leagues)}},
        {"clubs", {QString::number(country.clubs), QString::number(total.clubs)}},
        {"players", {QString::number(country.players), QString::number(total.players)}},
        {"clubStrength",
         {QString::asprintf("%2.2f", country.AverageClubStrength()),
          QString::asprintf("%2.2f", total.AverageClubStrength())}},
        {"playerStrength",
         {QString::asprintf("%2.2f", country.AveragePlayerStrength()),
          QString::asprintf("%2.2f", total.AveragePlayerStrength())}},
    };
    for (const auto& row : expected) {
        const QString name = QString::fromLatin1(row.first);
        QCOMPARE(Label(window, name + QStringLiteral("Country")), row.second.first);
        QCOMPARE(Label(window, name + QStringLiteral("Total")), row.second.second);
    }
    for (int talent = 0; talent < SStatistics::kTalentClasses; ++talent) {
        const QString name = QStringLiteral("talent%1").arg(talent);
        const auto index = static_cast<std::size_t>(talent);
        QCOMPARE(Label(window, name + QStringLiteral("Country")),
                 QString::number(country.talents[index]));
        QCOMPARE(Label(window, name + QStringLiteral("Total")),
                 QString::number(total.talents[index]));
    }
}

// Under the C locale, as a minimal desktop session or a container runs, the countries sort as a
// reader expects; the language option shows the language group, whose choice is a view only.
void DlgMainMenuBrowsingTest::countriesSortUnderTheCLocaleAndTheLanguageIsAView() {
    // A minimal desktop session or a container runs with the C locale.
    QLocale::setDefault(QLocale::c());
    struct SSystemLocaleAfterwards {
        ~SSystemLocaleAfterwards() { QLocale::setDefault(QLocale::system()); }
    } restore;
    m_context.languageSelection = true;
    DlgMainMenu window(m_context, m_ui);
    window.show();
    QStringList europe;
    auto& list = Child<QListWidget>(window, "countries");
    for (int row = 0; row < list.count(); ++row) {
        europe << list.item(row)->text();
    }
    const QStringList order = {QStringLiteral("Dänemark"), QStringLiteral("Deutschland"),
                               QStringLiteral("Färöer"),   QStringLiteral("Frankreich"),
                               QStringLiteral("Norwegen"), QStringLiteral("Österreich"),
                               QStringLiteral("Polen"),    QStringLiteral("Zypern")};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QVERIFY2(europe.indexOf(order[i - 1]) >= 0 &&
                     europe.indexOf(order[i - 1]) < europe.indexOf(order[i]),
                 qPrintable(order[i - 1] + QStringLiteral(" after ") + order[i]));
    }

    QVERIFY(Child<QGroupBox>(window, "languageGroup").isVisible());
    auto& languages = Child<QComboBox>(window, "languages");
    QCOMPARE(languages.currentData().toInt(), window.Document().Language());

    // Choosing "Englisch" shows the database in English: the countries show their English names.
    const int english = languages.findText(QStringLiteral("Englisch"));
    QVERIFY(english >= 0);
    PickIndex(languages, english);
    QCOMPARE(window.Document().Language(), 1);
    // A way of looking at the database, not a change of it: no edit, nothing to save.
    QVERIFY(!window.Document().IsModified());
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
    const QListWidgetItem* item = Child<QListWidget>(window, "countries").currentItem();
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(),
             QString::fromStdString(Cp1252ToUtf8(window.World().Country(kDefaultCountry).Name(1))));
    QCOMPARE(item->data(Qt::UserRole).toInt(), kDefaultCountry);
}

}  // namespace kw

KW_GUI_TEST(DlgMainMenuBrowsingTest);

#include "DlgMainMenuBrowsingTest.moc"

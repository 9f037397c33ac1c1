#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>

#include <memory>

#include "DemoInstallations.h"
#include "app/AppContext.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"

namespace kw::bench {

namespace {

// The main window on the demo installation of the scale, shown as a user sees it.
class CShownMainWindow {
public:
    explicit CShownMainWindow(demo::EDemoScale scale) {
        m_context.workingDirectory = DemoInstallation(scale);
        m_context.installationConfigured = true;
        m_window = std::make_unique<DlgMainMenu>(m_context, m_ui);
        m_window->show();
        QApplication::processEvents();
    }
    template <typename T>
    T& Child(const char* name) {
        return *m_window->findChild<T*>(QString::fromLatin1(name));
    }

private:
    SAppContext m_context;
    CScriptedUserInterface m_ui;
    std::unique_ptr<DlgMainMenu> m_window;
};

int RowOf(const QListWidget& list, int country) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toInt() == country) {
            return row;
        }
    }
    return 0;
}

// Choosing Germany in the country list, which refills the club list (sorted by the user's
// collation) and the country's statistics and repaints: what a click on a country waits for.
// Each iteration switches to Germany and back to its neighbour in the list.
void BM_MainWindowCountrySwitch(benchmark::State& state) {
    CShownMainWindow window(static_cast<demo::EDemoScale>(state.range(0)));
    auto& countries = window.Child<QListWidget>("countries");
    const int germany = RowOf(countries, kDefaultCountry);
    const int neighbour = germany > 0 ? germany - 1 : germany + 1;
    for (auto _ : state) {
        countries.setCurrentRow(neighbour);
        QApplication::processEvents();
        countries.setCurrentRow(germany);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// Choosing a continent refills the country list and the first country's clubs.
void BM_MainWindowContinentSwitch(benchmark::State& state) {
    CShownMainWindow window(static_cast<demo::EDemoScale>(state.range(0)));
    auto& continents = window.Child<QComboBox>("continents");
    const int europe = continents.findData(0);
    const int africa = continents.findData(3);
    for (auto _ : state) {
        continents.setCurrentIndex(africa);
        QApplication::processEvents();
        continents.setCurrentIndex(europe);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

constexpr auto kFull = static_cast<std::int64_t>(demo::EDemoScale::kFull);
constexpr auto kHuge = static_cast<std::int64_t>(demo::EDemoScale::kHuge);

BENCHMARK(BM_MainWindowCountrySwitch)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowContinentSwitch)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace kw::bench

// kwtool fixtures: the schedule the fixture creator generates.
#include <cstdio>
#include <memory>
#include <string>

#include "KwTool.h"
#include "competition/FixtureCreator.h"

namespace kwtool {

namespace {

int RunFixtures(int teams, int meetings) {
    kw::CFixtureCreator creator;
    if (!creator.Generate(teams, meetings)) {
        switch (creator.Failure()) {
            case kw::CFixtureCreator::EFailure::kRuns:
                return Fail("no schedule for " + std::to_string(teams) +
                            " teams: a team would play more than three home or away matches in "
                            "a row");
            case kw::CFixtureCreator::EFailure::kPairs:
                return Fail("no schedule for " + std::to_string(teams) +
                            " teams: not every pair would meet once");
            default:
                return Fail("a schedule needs 3 to " +
                            std::to_string(kw::CFixtureCreator::kMaxTeams) + " teams and 1 to " +
                            std::to_string(kw::CFixtureCreator::kMaxMeetings) + " meetings");
        }
    }
    std::fputs(kw::FormatSchedule(creator).c_str(), stdout);
    return 0;
}

}  // namespace

void AddFixtureCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        int teams = 0;
        int meetings = 0;
    };
    auto options = std::make_shared<SOptions>();
    CLI::App* fixtures = app.add_subcommand("fixtures", "Print the generated schedule");
    fixtures->add_option("N", options->teams, "Number of teams")->required();
    fixtures->add_option("M", options->meetings, "How often each pair meets")->required();
    OnParsed(fixtures, context,
             [options] { return RunFixtures(options->teams, options->meetings); });
}

}  // namespace kwtool

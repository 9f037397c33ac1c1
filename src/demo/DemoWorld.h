// Builds the demo world in memory through the model's own API, after a plan.
#pragma once

namespace kw {
class CWorld;
class IProgress;
}  // namespace kw

namespace kw::demo {

struct SDemoPlan;

// Fills a world whose countries are initialised (names from the countries list, cup formats
// read) with clubs, persons, competitions and the countries' records, and sets the rules and the
// players without club. False when the progress asks to stop.
bool BuildDemoWorld(CWorld& world, const SDemoPlan& plan, IProgress& progress);

}  // namespace kw::demo

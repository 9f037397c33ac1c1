#pragma once

namespace kw {

// The calendar year of the system clock, in local time. Code that measures against "now" takes
// the year from its world (CWorld::CurrentYear), which falls back to this.
int SystemYear();

}  // namespace kw

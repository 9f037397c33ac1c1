#pragma once

namespace kw {

// The program's random generator: x = x * 214013 + 2531011 (mod 2^32), result bits 16 to 30.
// One per process; it starts at x = 1, so every run draws the same sequence.
int Random();

// Puts the generator back to its start value (tests, reproducible generation).
void ResetRandom(unsigned int seed = 1);

}  // namespace kw

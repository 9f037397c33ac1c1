#pragma once

#include <gtest/gtest.h>

#include "TempDir.h"
#include "model/World.h"

namespace kw::test {

inline constexpr int kTestYear = 2010;

// A database in an empty temporary installation: the countries initialised (nameless) and the
// year fixed, so that expectations measured against "now" do not age.
class TestWorld : public ::testing::Test {
protected:
    TestWorld() : world(install.Path()) { Prepare(world); }

    static void Prepare(CWorld& target) {
        target.SetYearSource([] { return kTestYear; });
        target.InitialiseCountries();
    }

    TempDir install;
    CWorld world;
};

}  // namespace kw::test

#pragma once

#include <gtest/gtest.h>

#include "TempDir.h"
#include "model/World.h"

namespace kw::test {

// A database in an empty temporary installation, the countries initialised (nameless).
class TestWorld : public ::testing::Test {
protected:
    TestWorld() : world(install.Path()) { Prepare(world); }

    static void Prepare(CWorld& target) { target.InitialiseCountries(); }

    TempDir install;
    CWorld world;
};

}  // namespace kw::test

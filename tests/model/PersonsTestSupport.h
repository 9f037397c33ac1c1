#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "KLText.h"
#include "TestWorld.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw::test {

// Removes the first section with that tag (start line to end line) from a written text.
inline std::string WithoutSection(std::string text, std::string_view tag) {
    const std::string start = "%INDEX%" + std::string(tag) + "\r\n";
    const std::string end = "%INDEXEND%" + std::string(tag) + "\r\n";
    const std::size_t from = text.find(start);
    const std::size_t to = text.find(end, from);
    EXPECT_NE(from, std::string::npos);
    EXPECT_NE(to, std::string::npos);
    if (from != std::string::npos && to != std::string::npos) {
        text.erase(from, to + end.size() - from);
    }
    return text;
}

// The database of TestWorld with clubs 5:1 and 5:2 (so their compact numbers equal their
// indexes) and 5:7 (written as 3).
class PersonsTest : public TestWorld {
protected:
    PersonsTest() {
        world.Country(5).SetAttributes(9, 0, 0);
        world.Country(5).AddClub(1);
        world.Country(5).AddClub(2);
        world.Country(5).AddClub(7);
        world.Country(5).RebuildNumbering();
    }
};

}  // namespace kw::test

#include <gtest/gtest.h>

#include <string>

#include "editing/StaffKinds.h"

namespace kw {
namespace {

TEST(StaffKinds, EighteenKindsInKindOrder) {
    const auto kinds = StaffKinds();
    ASSERT_EQ(kinds.size(), 18u);
    for (std::size_t index = 0; index < kinds.size(); ++index) {
        EXPECT_EQ(kinds[index].kind, static_cast<int>(index) + 1);
        EXPECT_EQ(FindStaffKind(kinds[index].kind), &kinds[index]);
        EXPECT_TRUE(kinds[index].createCommand.starts_with("Neue"));
    }
    EXPECT_EQ(FindStaffKind(0), nullptr);
    EXPECT_EQ(FindStaffKind(19), nullptr);
    EXPECT_EQ(FindStaffKind(6)->createCommand, "Neuer Amateurtrainer");
    EXPECT_EQ(FindStaffKind(9)->createCommand, "Neuer Doktor");
    EXPECT_EQ(FindStaffKind(16)->createCommand, "Neuer Marketingmanager");
}

TEST(StaffKinds, RowTextIsShortNameTabRole) {
    EXPECT_EQ(StaffRowText("Berger, A.", 1), "Berger, A.\tTrainer");
    EXPECT_EQ(StaffRowText("Berger, A.", 3), "Berger, A.\tPr\xE4sident");
    EXPECT_EQ(StaffRowText("Berger, A.", 18), "Berger, A.\tFanbeauftragter");
    // A name with a percent sign is text, not a format.
    EXPECT_EQ(StaffRowText("100%s", 13), "100%s\tMasseur");
    EXPECT_TRUE(StaffRowText("Berger, A.", 0).empty());
}

TEST(StaffKinds, WhichKindsCarryExperienceAndGrades) {
    for (int kind = 0; kind <= 19; ++kind) {
        EXPECT_EQ(HasManagerExperience(kind), kind == 1 || kind == 2) << kind;
        EXPECT_EQ(HasStaffGrades(kind), kind >= 4 && kind <= 18) << kind;
    }
}

}  // namespace
}  // namespace kw

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "app/DatabaseSlots.h"
#include "app/UnsavedChanges.h"
#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

using Choice = ESaveChoice;

struct SUnsavedCase {
    std::vector<Choice> choices;
    bool saveWorks;
    bool proceeds;
    std::size_t questions;
    std::vector<std::string> saved;
};

// Two modified databases with an unmodified one between them, asked about in slot order.
TEST(UnsavedChanges, EachModifiedDatabaseInTurnUntilCancelOrAFailedSave) {
    const std::string first = "Übung";
    const std::string second = "Ça va";
    const SUnsavedCase cases[] = {
        {{Choice::kDiscard, Choice::kDiscard}, true, true, 2, {}},
        {{Choice::kSave, Choice::kSave}, true, true, 2, {first, second}},
        {{Choice::kDiscard, Choice::kSave}, true, true, 2, {second}},
        {{Choice::kCancel}, true, false, 1, {}},
        {{Choice::kDiscard, Choice::kCancel}, true, false, 2, {}},
        {{Choice::kSave}, false, false, 1, {first}},
    };
    for (const SUnsavedCase& test : cases) {
        const test::TempDir install;
        CDatabaseSlots slots(install.Path());
        std::vector<CDatabaseDocument*> documents;
        for (const std::string& name : {first, std::string("unverändert"), second}) {
            documents.push_back(slots.AddSlot());
            documents.back()->WorldForOperations().SetDirectory(install / name);
        }
        for (CDatabaseDocument* document : {documents[0], documents[2]}) {
            ASSERT_TRUE(document->Perform(
                "Neu", SWorldScope::Countries({kDefaultCountry}), [](CWorld& world) {
                    return world.Country(kDefaultCountry).CreateClub() != nullptr;
                }));
        }
        CScriptedUserInterface ui;
        for (const Choice choice : test.choices) {
            ui.QueueSaveChoice(choice);
        }
        std::vector<std::string> saved;
        const bool proceeds = SettleUnsavedChanges(documents, ui, [&](CDatabaseDocument& document) {
            saved.push_back(document.World().DirectoryName());
            return test.saveWorks;
        });
        EXPECT_EQ(proceeds, test.proceeds);
        EXPECT_EQ(saved, test.saved);
        const std::vector<std::string> questions =
            ui.Texts(CScriptedUserInterface::Message::Kind::Question);
        ASSERT_EQ(questions.size(), test.questions);
        // The UTF-8 folder names in the Windows-1252 questions.
        const char* const shown[] = {
            "\"\xDC"
            "bung\"",
            "\"\xC7"
            "a va\""};
        for (std::size_t index = 0; index < questions.size(); ++index) {
            EXPECT_NE(questions[index].find(shown[index]), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace kw

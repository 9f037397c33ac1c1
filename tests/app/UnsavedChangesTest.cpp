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
    const std::string first =
        "\xC3\x9C"
        "bung";
    const std::string second =
        "\xC3\x87"
        "a va";
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
        for (const std::string& name : {first, std::string("unver\xC3\xA4ndert"), second}) {
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
        // The UTF-8 folder names in the Windows-1252 question.
        EXPECT_NE(questions[0].find("\"\xDC"
                                    "bung\""),
                  std::string::npos);
        if (test.questions > 1) {
            EXPECT_NE(questions[1].find("\"\xC7"
                                        "a va\""),
                      std::string::npos);
        }
    }
}

}  // namespace
}  // namespace kw

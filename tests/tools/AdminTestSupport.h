// The bulk commands' tests share a document on the small demo database, set-up helpers that work
// outside the history, and the check that the database is still sound after a command.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "exports/master/MasterExport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"
#include "tools/AdminCommandTable.h"

namespace kw::test {

class AdminToolsTest : public DemoDocumentTest {
protected:
    // A new club of the country (test set-up, outside the history).
    CClub& AddClub(int country) {
        CClub* club = Live().Country(country).CreateClub();
        if (club == nullptr) {
            throw std::runtime_error("the country has no room for a club");
        }
        return *club;
    }

    CPlayer& AddPerson(CClub& club, int kind) {
        CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetCurrentClub(club.Id());
        club.AddPerson(person);
        return person;
    }

    // Some club of the demo that is no national team, outside `exceptCountry`.
    CClub& DemoClub(int exceptCountry = 0) {
        for (int number = 1; number <= kCountryCount; ++number) {
            for (const auto& entry : Live().Country(number).Clubs()) {
                if (number != exceptCountry && !entry.second->IsNationalTeam() &&
                    entry.second->PersonIds().size() < 200) {
                    return *entry.second;
                }
            }
        }
        throw std::runtime_error("the demo has no club");
    }

    // Every person of every club and of the list without club.
    template <typename Visit>
    void ForEveryPerson(Visit visit) {
        for (const auto& entry : Live().Persons()) {
            visit(*entry.second);
        }
    }

    SAdminOutcome Run(std::string_view name, SAdminInputs inputs = {}, bool reset = false) {
        const SAdminCommand* command = FindAdminCommand(name);
        if (command == nullptr) {
            throw std::runtime_error("no such command");
        }
        return RunAdminCommand(*command, document, inputs, reset);
    }

    // Every reference resolves and the game's master file can still be built from the database.
    void ExpectSound() {
        EXPECT_EQ(ReferenceFaults(document.World()), std::vector<std::string>{});
        TempDir out;
        SMasterRequest request;
        request.batch = true;
        request.options = kPs2MasterOptions;
        request.output = out / "Master.dat";
        request.sideFolder = out.Path();
        CScriptedUserInterface ui;
        CRecordingProgress progress;
        EXPECT_EQ(BuildMasterFile(Live(), request, progress, ui), EMasterResult::kWritten);
    }
};

}  // namespace kw::test

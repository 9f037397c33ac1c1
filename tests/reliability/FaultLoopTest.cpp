// Every file-system call of a save, an import, a master build and an archive export fails in
// turn, one per run: each run must report failure and leave the database, and whatever else it
// writes, wholly as it was, or wholly as the operation makes it once the next open has finished
// an interrupted commit; and leave no temporary file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CountriesData.h"
#include "DemoInstallation.h"
#include "FaultLoop.h"
#include "TempDir.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/WorldArchive.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/CommitRecord.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::EditEveryFile;
using test::FolderState;
using test::ForEachFailingCall;
using test::Leftovers;
using test::ReadTree;
using test::RestoreTree;
using test::StateName;
using test::TempDir;
using Kind = CScriptedUserInterface::Message::Kind;
using Names = std::vector<std::string>;

void CopyInstallation(const fs::path& to) {
    fs::copy(test::SmallDemoInstallation(), to, fs::copy_options::recursive);
}

// A copy of the small demo installation, its database loaded and edited; "new" is what a save
// of the edited world makes of the database folder.
class FaultLoop : public ::testing::Test {
protected:
    void SetUp() override {
        CopyInstallation(m_install.Path());
        m_old = ReadTree(Database());
        m_before = m_opened.Open(m_install.Path(), Database()).dump;
        m_world.InitialiseCountries();
        m_world.Load(Database(), m_progress);
        EditEveryFile(m_world);

        const TempDir reference(test::FastTemporaryFolder());
        RestoreTree(reference.Path(), m_old);
        m_world.SetDirectory(reference.Path());
        ASSERT_TRUE(m_world.Save(m_progress, m_ui));
        m_new = ReadTree(reference.Path());
        m_after = m_opened.Open(m_install.Path(), reference.Path()).dump;
        m_world.SetDirectory(Database());
        for (const auto& [name, bytes] : m_new) {
            if (name.rfind("Country", 0) == 0 || name == "Rules.sav" || name == "Without.sav") {
                ASSERT_TRUE(bytes != m_old.at(name)) << name;
            }
        }
        ASSERT_TRUE(m_before != m_after);
    }

    fs::path Database() const { return m_install / "database"; }
    fs::path Badges() const { return m_install / "badges"; }

    // Once opened, the database is wholly as before or (`expectNew`) as after, in its bytes and
    // its dump, and nothing is left beside its files. Leaves it as before for the next run.
    void ExpectDatabase(bool expectNew, const std::string& context) {
        const auto opened = m_opened.Open(m_install.Path(), Database());
        EXPECT_EQ(StateName(opened.files, m_old, m_new), expectNew ? "new" : "old") << context;
        // Too long to print: the state above names the difference.
        EXPECT_TRUE(opened.dump == (expectNew ? m_after : m_before)) << context;
        EXPECT_EQ(Leftovers(Database()), Names{}) << context;
        if (opened.files != m_old) {
            RestoreTree(Database(), m_old);
        }
    }

    TempDir m_install{test::FastTemporaryFolder()};
    CWorld m_world{m_install.Path()};
    CSilentProgress m_progress;
    CScriptedUserInterface m_ui;
    test::COpenedDatabases m_opened;
    FolderState m_old;
    FolderState m_new;
    std::string m_before;
    std::string m_after;
};

TEST_F(FaultLoop, SaveReplacesEveryFileOrNone) {
    std::set<bool> outcomes;
    std::size_t errors = 0;
    const auto runs = ForEachFailingCall(
        [&](CFileFaults& faults) {
            CScriptedUserInterface ui;
            const bool saved = m_world.Save(m_progress, ui, {.faults = &faults});
            errors = ui.Texts(Kind::Error).size();
            return saved;
        },
        [&](const std::string& context, const SFileCall&) {
            EXPECT_EQ(errors, 1u) << context;
            // Only a commit whose record was complete may have replaced files; until the next
            // open it is the one thing beside them.
            const bool recorded = fs::exists(Database() / kCommitRecordName);
            if (!recorded) {
                EXPECT_EQ(Leftovers(Database()), Names{}) << context;
            }
            ExpectDatabase(recorded, context);
            outcomes.insert(recorded);
        });
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(StateName(ReadTree(Database()), m_old, m_new), "new");
    // Four calls at least for each of the 208 files, and one rename each.
    EXPECT_GT(runs, 5u * 208u);
    EXPECT_EQ(outcomes, (std::set<bool>{false, true}));
}

// The archive holds the edited database's countries that have clubs, some badges that differ
// from the installation's and a player picture the installation lacks: a part of an exported
// archive (which carries no pictures), so that the loop over every call stays short.
class ImportFaultLoop : public FaultLoop {
protected:
    void SetUp() override {
        FaultLoop::SetUp();
        const TempDir source(test::FastTemporaryFolder());
        CopyInstallation(source.Path());
        for (const auto& entry : fs::recursive_directory_iterator(source / "badges")) {
            if (entry.is_regular_file()) {
                test::WriteFile(entry.path(), test::ReadFile(entry.path()) + "new");
            }
        }
        CWorld world(source.Path());
        world.InitialiseCountries();
        world.Load(source / "database", m_progress);
        EditEveryFile(world);
        const fs::path exported = m_work / "exported.tdb";
        ASSERT_TRUE(ExportWorld(world, exported, m_work.Path(), m_progress, m_ui));
        WritePartOf(exported, world);

        // What a whole import makes of the database and the installation's files.
        const TempDir reference(test::FastTemporaryFolder());
        CopyInstallation(reference.Path());
        CWorld imported(reference.Path());
        imported.SetDirectory(reference / "database");
        ASSERT_TRUE(ImportWorld(imported, m_archive, false, m_progress, m_ui));
        m_new = ReadTree(reference / "database");
        m_after = m_opened.Open(m_install.Path(), reference / "database").dump;
        m_oldFiles = InstallationFiles(m_install.Path());
        m_newFiles = InstallationFiles(reference.Path());
        ASSERT_TRUE(m_oldFiles != m_newFiles);
        ASSERT_TRUE(m_new != m_old);
    }

    void WritePartOf(const fs::path& exported, const CWorld& world) {
        CArchiveReader reader;
        ASSERT_TRUE(reader.Open(exported));
        CArchiveWriter writer;
        ASSERT_TRUE(writer.Create(m_archive));
        int badges = 0;
        while (const auto chunk = reader.ReadChunk()) {
            const bool keep =
                chunk->tag == EChunkTag::Country
                    ? world.Country(static_cast<int>(chunk->data.at(0))).ClubCount() > 0
                    : chunk->tag == EChunkTag::Badge && ++badges <= kBadges;
            if (keep) {
                ASSERT_TRUE(writer.AddChunk(chunk->tag, chunk->data));
            }
        }
        const std::string picture("faces/player.tga\0picture", 24);
        ASSERT_TRUE(writer.AddChunk(
            EChunkTag::Picture,
            std::span(reinterpret_cast<const std::uint8_t*>(picture.data()), picture.size())));
        ASSERT_TRUE(writer.Finish());
    }

    // The badges and pictures of an installation.
    static FolderState InstallationFiles(const fs::path& install) {
        FolderState files;
        for (const char* folder : {"badges", "picture"}) {
            for (auto& [name, bytes] : ReadTree(install / folder)) {
                files[std::string(folder) + "/" + name] = std::move(bytes);
            }
        }
        return files;
    }

    static FolderState Below(const FolderState& files, const std::string& prefix) {
        FolderState below;
        for (const auto& [name, bytes] : files) {
            if (name.rfind(prefix, 0) == 0) {
                below[name.substr(prefix.size())] = bytes;
            }
        }
        return below;
    }

    static constexpr int kBadges = 24;
    TempDir m_work{test::FastTemporaryFolder()};
    fs::path m_archive = m_work / "part.tdb";
    FolderState m_oldFiles;
    FolderState m_newFiles;
};

TEST_F(ImportFaultLoop, ImportReplacesEveryFileBadgeAndPictureOrNone) {
    std::set<bool> outcomes;
    const auto runs = ForEachFailingCall(
        [&](CFileFaults& faults) {
            CWorld world(m_install.Path());
            world.SetDirectory(Database());
            CScriptedUserInterface ui;
            return ImportWorld(world, m_archive, false, m_progress, ui, {.faults = &faults});
        },
        [&](const std::string& context, const SFileCall&) {
            // The import's own load has already finished a commit whose record was complete.
            const bool isNew = ReadTree(Database()) == m_new;
            const FolderState files = InstallationFiles(m_install.Path());
            EXPECT_EQ(StateName(files, m_oldFiles, m_newFiles), isNew ? "new" : "old") << context;
            EXPECT_EQ(Leftovers(m_install.Path()), Names{}) << context;
            if (files != m_oldFiles) {
                RestoreTree(m_install / "badges", Below(m_oldFiles, "badges/"));
                RestoreTree(m_install / "picture", Below(m_oldFiles, "picture/"));
            }
            ExpectDatabase(isNew, context);
            outcomes.insert(isNew);
        });
    // Five calls at least for each country, badge and picture file.
    EXPECT_GT(runs, 5u * kBadges);
    EXPECT_EQ(outcomes, (std::set<bool>{false, true}));
}

TEST_F(FaultLoop, MasterBuildKeepsThePreviousFileOrGivesAWholeNewOne) {
    const TempDir work(test::FastTemporaryFolder());
    const fs::path output = work / "Master.dat";
    const auto build = [&](CFileFaults* faults) {
        SMasterRequest request;
        request.batch = true;
        request.output = output;
        request.sideFolder = work.Path();
        request.write.faults = faults;
        return BuildMasterFile(m_world, request, m_progress, m_ui);
    };
    // The name tables keep growing from build to build, so a whole new file is recognised by
    // the verifying reader rather than by its bytes.
    const auto verify = [&output] {
        const std::string bytes = test::ReadFile(output);
        return VerifyMasterFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    };
    ASSERT_EQ(build(nullptr), EMasterResult::kWritten);
    const SMasterFileReport fresh = verify();
    ASSERT_TRUE(fresh.Ok()) << fresh.error;
    ASSERT_GT(fresh.clubs, 0);
    const auto whole = [&] {
        const SMasterFileReport report = verify();
        return report.Ok() && report.clubs == fresh.clubs && report.players == fresh.players &&
               report.staff == fresh.staff;
    };
    const std::string previous = "the previous master file";

    ForEachFailingCall(
        [&](CFileFaults& faults) {
            test::WriteFile(output, previous);
            return build(&faults) == EMasterResult::kWritten;
        },
        [&](const std::string& context, const SFileCall& failed) {
            // Only the flush of the output's folder after the rename comes too late to keep the
            // previous file.
            if (failed.kind == EFileCall::kFolderSync && failed.path == work.Path()) {
                EXPECT_TRUE(whole()) << context;
            } else {
                EXPECT_EQ(test::ReadFile(output), previous) << context;
            }
            EXPECT_EQ(Leftovers(work.Path()), Names{}) << context;
            ExpectDatabase(false, context);
        });
    EXPECT_TRUE(whole());
}

// An export packs every country file the scratch save wrote: the hand-made database of four
// countries, with badges for two of its clubs, keeps the loop over its calls short.
class ExportFaultLoop : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(test::CountriesData() / "database", Database());
        m_world.InitialiseCountries();
        m_world.Load(Database(), m_progress);
        m_world.Country(6).Clubs().begin()->second->SetBadgePath("color\\Badge256\\one.tga");
        m_world.Country(7).Clubs().begin()->second->SetBadgePath("color\\Badge256\\two.tga");
        for (const char* size : {"Badge256", "Badge64"}) {
            for (const char* name : {"one.tga", "two.tga"}) {
                test::WriteFile(m_install / "badges/color" / size / name, std::string(size) + name);
            }
        }
        m_before = m_opened.Open(m_install.Path(), Database()).dump;
        m_old = ReadTree(Database());
    }

    fs::path Database() const { return m_install / "database"; }

    TempDir m_install{test::FastTemporaryFolder()};
    CWorld m_world{m_install.Path()};
    CSilentProgress m_progress;
    CScriptedUserInterface m_ui;
    test::COpenedDatabases m_opened;
    FolderState m_old;
    std::string m_before;
};

TEST_F(ExportFaultLoop, ExportKeepsThePreviousArchiveOrGivesAWholeNewOne) {
    const TempDir work(test::FastTemporaryFolder());
    const fs::path archive = work / "world.tdb";
    const TempDir documents(test::FastTemporaryFolder());
    ASSERT_TRUE(ExportWorld(m_world, archive, documents.Path(), m_progress, m_ui));
    const std::string fresh = test::ReadFile(archive);
    const std::string previous = "the previous archive";
    std::size_t errors = 0;

    const auto runs = ForEachFailingCall(
        [&](CFileFaults& faults) {
            test::WriteFile(archive, previous);
            CScriptedUserInterface ui;
            const bool exported = ExportWorld(m_world, archive, documents.Path(), m_progress, ui,
                                              {.faults = &faults});
            errors = ui.Texts(Kind::Error).size();
            return exported;
        },
        [&](const std::string& context, const SFileCall& failed) {
            EXPECT_EQ(errors, 1u) << context;
            // Only the flush of the archive's folder after the rename comes too late to keep the
            // previous archive.
            const bool late = failed.kind == EFileCall::kFolderSync && failed.path == work.Path();
            EXPECT_TRUE(test::ReadFile(archive) == (late ? fresh : previous)) << context;
            EXPECT_EQ(Leftovers(work.Path()), Names{}) << context;
            EXPECT_EQ(Leftovers(documents.Path()), Names{}) << context;
            EXPECT_FALSE(fs::exists(documents / "database" / std::string(kExportScratchDatabase)))
                << context;
            EXPECT_EQ(m_world.Directory(), Database()) << context;
            // The export never writes the database itself.
            const auto opened = m_opened.Open(m_install.Path(), Database());
            EXPECT_EQ(StateName(opened.files, m_old, m_old), "old") << context;
            EXPECT_TRUE(opened.dump == m_before) << context;
        });
    EXPECT_TRUE(test::ReadFile(archive) == fresh);
    // The scratch save's 208 files, the archive's chunks of 206 countries and four badges.
    EXPECT_GT(runs, 5u * 208u + 2u * 210u);
}

}  // namespace
}  // namespace kw

#include "exports/master/MasterExport.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "exports/master/BinaryWriter.h"
#include "exports/master/CountryBlocks.h"
#include "exports/master/ExportContext.h"
#include "exports/master/NamePools.h"
#include "exports/master/SideOutputs.h"
#include "exports/master/WorldBlocks.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

namespace {

constexpr int kPhaseSteps = kCountryCount + 1;
constexpr int kPhases = 3;

class CMasterBuild {
public:
    CMasterBuild(CWorld& world, const SMasterRequest& request, IProgress& progress,
                 IUserInterface& ui)
        : m_world(world),
          m_request(request),
          m_progress(progress),
          m_ui(ui),
          m_side(request.sideFolder),
          m_context{world, m_names, m_out, m_side, request.language, request.options} {}

    EMasterResult Run();

private:
    void Phase(int phase, int country);
    void ReportError(std::string_view text);
    bool Confirm(const std::vector<int>& complete);
    void CountingPass();
    void WritingPass();
    void WriteNameTables();

    CWorld& m_world;
    const SMasterRequest& m_request;
    IProgress& m_progress;
    IUserInterface& m_ui;
    CNamePools m_names;
    CBinaryWriter m_out;
    CSideOutputs m_side;
    SExportContext m_context;
    std::array<bool, kCountryCount + 1> m_complete{};
    std::array<SCountryOffsets, kCountryCount + 1> m_offsets{};
};

void CMasterBuild::Phase(int phase, int country) {
    m_progress.SetStatus(FormatPrintf(ResourceString(ids::kSavePhase).data(), phase,
                                      m_world.Country(country).Name(m_request.language).c_str()));
    m_progress.SetPos((phase - 1) * kPhaseSteps + country);
}

void CMasterBuild::ReportError(std::string_view text) {
    if (m_request.batch) {
        std::fprintf(m_request.console, "%.*s\n", static_cast<int>(text.size()), text.data());
    } else {
        m_ui.ShowError(text);
    }
}

bool CMasterBuild::Confirm(const std::vector<int>& complete) {
    std::string names;
    for (int number : complete) {
        if (!names.empty()) {
            names += ", ";
        }
        names += m_world.Country(number).Name(m_request.language);
    }
    return m_ui.AskYesNo(std::string(ResourceString(ids::kCompleteCountries)) + "\n\n" + names);
}

void CMasterBuild::CountingPass() {
    for (int country = 1; country <= kCountryCount; ++country) {
        Phase(1, country);
        WriteDataBlock(m_context, m_world.Country(country), m_offsets[country]);
    }
    WriteCupFormatBlock(m_context);
    WriteWorldBlock(m_context);
    m_names.FinaliseWeights();
    WriteNameTables();
    m_out.U32(0);
}

void CMasterBuild::WriteNameTables() {
    for (int group = 0; group < CNamePools::kGroupCount; ++group) {
        for (int kind = 0; kind < CNamePools::kKindCount; ++kind) {
            const std::uint32_t size = m_names.TableSize(group, kind);
            m_out.U32(size);
            m_out.U32(size);
            m_names.WriteTable(m_out, group, kind);
        }
    }
}

void CMasterBuild::WritingPass() {
    m_out.U32(m_out.RunningSize());
    for (int country = 1; country <= kCountryCount; ++country) {
        Phase(2, country);
        WriteSummaryBlock(m_context, m_world.Country(country), m_complete[country]);
    }
    WriteCupFormatBlock(m_context);
    WriteNameTables();
    WriteWorldBlock(m_context);
    for (int country = 1; country <= kCountryCount; ++country) {
        Phase(3, country);
        WriteDataBlock(m_context, m_world.Country(country), m_offsets[country]);
    }
}

EMasterResult CMasterBuild::Run() {
    m_progress.SetVisible(true);
    m_progress.EnableCancel(false);
    m_progress.SetRange(0, kPhases * kPhaseSteps);
    m_progress.SetCaption(ResourceString(ids::kMasterCaption));
    m_progress.SetDescription(ResourceString(ids::kMasterText));
    m_names.ResetWeightedGroups();
    m_names.LoadNameFiles(m_world.InstallDirectory() / "database");

    std::vector<int> complete;
    for (int country = 1; country <= kCountryCount; ++country) {
        CCountry& record = m_world.Country(country);
        record.RebuildNumbering();
        m_complete[country] = record.IsComplete();
        WriteSummaryBlock(m_context, record, m_complete[country]);
        if (m_complete[country]) {
            complete.push_back(country);
        }
    }
    if (complete.empty()) {
        if (m_request.batch) {
            std::fputs("No completed countries\n", m_request.console);
        } else {
            m_ui.ShowErrorList(ResourceString(ids::kErrorOccurred),
                               {std::string(ResourceString(ids::kNoCompleteCountry))});
        }
        return EMasterResult::kNoCompleteCountry;
    }
    if (!m_request.batch && !Confirm(complete)) {
        return EMasterResult::kNotConfirmed;
    }
    if (m_world.CupFormats().SlotCount() == 0) {
        ReportError(ResourceString(ids::kSaveFailed));
        return EMasterResult::kNoCupFormats;
    }
    CountingPass();
    // The writing pass streams into a temporary file: the previous master file stays until the
    // new one is complete.
    CAtomicFile file(m_request.output, m_request.write);
    const auto sink = [&file](std::span<const std::uint8_t> bytes) {
        return file.Write(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    };
    if (!file.Open() || !m_out.BeginWriting(sink)) {
        ReportError(ResourceString(ids::kSaveFailed));
        return EMasterResult::kWriteFailed;
    }
    WritingPass();
    if (!m_out.FinishWriting() || !file.Commit()) {
        ReportError(ResourceString(ids::kSaveFailed));
        return EMasterResult::kWriteFailed;
    }
    if (!m_request.batch) {
        m_ui.ShowInformation(ResourceString(ids::kDatabaseSaved));
    }
    return EMasterResult::kWritten;
}

}  // namespace

std::filesystem::path MasterFilePath(const std::filesystem::path& installDirectory,
                                     const std::filesystem::path& databaseDirectory, int language,
                                     bool batch, std::uint32_t options) {
    if (!batch) {
        return PathForWriting(installDirectory, "database/Master.dat");
    }
    if ((options & masteroption::kOneLanguage) != 0) {
        return PathForWriting(databaseDirectory, "Master" + std::to_string(language) + ".dat");
    }
    return PathForWriting(databaseDirectory, "Master.dat");
}

EMasterResult BuildMasterFile(CWorld& world, const SMasterRequest& request, IProgress& progress,
                              IUserInterface& ui) {
    CMasterBuild build(world, request, progress, ui);
    return build.Run();
}

}  // namespace kw

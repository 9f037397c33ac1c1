// World archives: the packed data codec on a database's country files beside zlib (levels 1 and
// 6), zstd and lz4, and the export and import of the whole database. The database is the folder
// in KW_BENCH_DATABASE, else the shared "full" demo installation.
#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zlib.h>
#include <zstd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "DemoInstallations.h"
#include "exports/archive/WorldArchive.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/PackedCodec.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using kw::bench::MakeTempFolder;

struct SBenchDatabase {
    fs::path install;
    fs::path database;
    fs::path scratch;  // documents folder and archives of the export and import
};

// Removes the generated installation and the scratch folder at exit.
struct STempFolders {
    std::vector<fs::path> folders;
    ~STempFolders() {
        for (const fs::path& folder : folders) {
            std::error_code error;
            fs::remove_all(folder, error);
        }
    }
};

using kw::demo::EDemoScale;

// The database of `scale`: the folder in KW_BENCH_DATABASE when given, for every scale.
const SBenchDatabase& BenchDatabase(EDemoScale scale = EDemoScale::kFull) {
    static STempFolders cleanup;
    static std::map<EDemoScale, SBenchDatabase> databases;
    if (const auto found = databases.find(scale); found != databases.end()) {
        return found->second;
    }
    SBenchDatabase result;
    result.scratch = MakeTempFolder();
    cleanup.folders.push_back(result.scratch);
    setenv("XDG_DOCUMENTS_DIR", (result.scratch / "Documents").c_str(), 1);
    if (const char* given = std::getenv("KW_BENCH_DATABASE")) {
        result.database = given;
        result.install = result.database.parent_path();
    } else {
        result.install = kw::bench::DemoInstallation(scale);
        result.database = result.install / "database";
    }
    return databases.emplace(scale, result).first->second;
}

const std::vector<Bytes>& CountryFileBytes(EDemoScale scale) {
    static std::map<EDemoScale, std::vector<Bytes>> files;
    if (const auto found = files.find(scale); found != files.end()) {
        return found->second;
    }
    std::vector<Bytes> result;
    for (const auto& entry : fs::directory_iterator(BenchDatabase(scale).database)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Country", 0) == 0 || name.rfind("country", 0) == 0) {
            std::ifstream in(entry.path(), std::ios::binary);
            result.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        }
    }
    return files.emplace(scale, std::move(result)).first->second;
}

enum Codec { kPacked, kZlib1, kZlib6, kZstd, kLz4 };

Bytes Compress(Codec codec, const Bytes& data) {
    Bytes out;
    switch (codec) {
        case kPacked:
            return kw::PackData(data);
        case kZlib1:
        case kZlib6: {
            uLongf length = compressBound(data.size());
            out.resize(length);
            compress2(out.data(), &length, data.data(), data.size(), codec == kZlib1 ? 1 : 6);
            out.resize(length);
            return out;
        }
        case kZstd: {
            out.resize(ZSTD_compressBound(data.size()));
            out.resize(ZSTD_compress(out.data(), out.size(), data.data(), data.size(), 3));
            return out;
        }
        case kLz4: {
            out.resize(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(data.size()))));
            out.resize(static_cast<std::size_t>(LZ4_compress_default(
                reinterpret_cast<const char*>(data.data()), reinterpret_cast<char*>(out.data()),
                static_cast<int>(data.size()), static_cast<int>(out.size()))));
            return out;
        }
    }
    return out;
}

void Decompress(Codec codec, const Bytes& packed, Bytes& out) {
    switch (codec) {
        case kPacked:
            benchmark::DoNotOptimize(kw::UnpackData(packed, out));
            break;
        case kZlib1:
        case kZlib6: {
            uLongf length = out.size();
            uncompress(out.data(), &length, packed.data(), packed.size());
            break;
        }
        case kZstd:
            ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
            break;
        case kLz4:
            LZ4_decompress_safe(reinterpret_cast<const char*>(packed.data()),
                                reinterpret_cast<char*>(out.data()),
                                static_cast<int>(packed.size()), static_cast<int>(out.size()));
            break;
    }
}

// Arguments: the codec, then the demo scale whose country files it packs.
void CodecArguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"codec", "scale"});
    for (const EDemoScale scale : {EDemoScale::kFull, EDemoScale::kHuge}) {
        for (int codec = kPacked; codec <= kLz4; ++codec) {
            benchmark->Args({codec, static_cast<int>(scale)});
        }
    }
    benchmark->Unit(benchmark::kMillisecond);
}

void Label(benchmark::State& state, std::size_t raw, std::size_t packed) {
    static const char* const kNames[] = {"packed codec", "zlib 1", "zlib 6", "zstd 3", "lz4"};
    state.SetLabel(kNames[state.range(0)]);
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(raw);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * raw));
}

void BM_CountryFilesPack(benchmark::State& state) {
    const auto codec = static_cast<Codec>(state.range(0));
    // generated outside the timing
    const std::vector<Bytes>& files = CountryFileBytes(static_cast<EDemoScale>(state.range(1)));
    std::size_t raw = 0;
    std::size_t packed = 0;
    for (auto _ : state) {
        raw = packed = 0;
        for (const Bytes& file : files) {
            const Bytes out = Compress(codec, file);
            raw += file.size();
            packed += out.size();
        }
    }
    Label(state, raw, packed);
}
BENCHMARK(BM_CountryFilesPack)->Apply(CodecArguments);

void BM_CountryFilesUnpack(benchmark::State& state) {
    const auto codec = static_cast<Codec>(state.range(0));
    std::vector<Bytes> packed;
    std::vector<Bytes> out;
    std::size_t raw = 0;
    std::size_t packedTotal = 0;
    for (const Bytes& file : CountryFileBytes(static_cast<EDemoScale>(state.range(1)))) {
        packed.push_back(Compress(codec, file));
        out.emplace_back(file.size());
        raw += file.size();
        packedTotal += packed.back().size();
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < packed.size(); ++i) {
            Decompress(codec, packed[i], out[i]);
        }
    }
    Label(state, raw, packedTotal);
}
BENCHMARK(BM_CountryFilesUnpack)->Apply(CodecArguments);

// The installation without its "badges" folder: every other entry is linked into a scratch folder.
fs::path InstallWithoutBadges(const SBenchDatabase& bench) {
    const fs::path folder = bench.scratch / "install-without-badges";
    if (!fs::exists(folder)) {
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(bench.install)) {
            if (entry.path().filename() != "badges") {
                fs::create_symlink(entry.path(), folder / entry.path().filename());
            }
        }
    }
    return folder;
}

// Arguments: the demo scale, then 1 to carry the installation's badges.
void ArchiveArguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"scale", "badges"});
    for (const EDemoScale scale : {EDemoScale::kFull, EDemoScale::kHuge}) {
        for (const int badges : {0, 1}) {
            benchmark->Args({static_cast<int>(scale), badges});
        }
    }
    // The export packs on every core: count the CPU time of all threads.
    benchmark->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
}

void BM_ArchiveExport(benchmark::State& state) {
    const SBenchDatabase& bench = BenchDatabase(static_cast<EDemoScale>(state.range(0)));
    const bool badges = state.range(1) != 0;
    state.SetLabel(badges ? "with badges" : "without badges");
    kw::CWorld world(badges ? bench.install : InstallWithoutBadges(bench));
    world.InitialiseCountries();
    kw::CSilentProgress progress;
    kw::CScriptedUserInterface ui;
    world.Load(bench.database, progress);
    const fs::path archive = bench.scratch / "export.tdb";
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kw::ExportWorld(world, archive, bench.scratch / "Documents", progress, ui));
    }
    state.counters["archive bytes"] = static_cast<double>(fs::file_size(archive));
}
BENCHMARK(BM_ArchiveExport)->Apply(ArchiveArguments);

void BM_ArchiveImport(benchmark::State& state) {
    const SBenchDatabase& bench = BenchDatabase(static_cast<EDemoScale>(state.range(0)));
    const bool badges = state.range(1) != 0;
    state.SetLabel(badges ? "with badges" : "without badges");
    kw::CSilentProgress progress;
    kw::CScriptedUserInterface ui;
    const fs::path archive = bench.scratch / (badges ? "import.tdb" : "import-without-badges.tdb");
    {
        kw::CWorld world(badges ? bench.install : InstallWithoutBadges(bench));
        world.InitialiseCountries();
        world.Load(bench.database, progress);
        kw::ExportWorld(world, archive, bench.scratch / "Documents", progress, ui);
    }
    // Imported badges land in a scratch installation, not in the generated one.
    const fs::path install = bench.scratch / "install";
    for (auto _ : state) {
        kw::CWorld world(install);
        world.SetDirectory(bench.scratch / "imported");
        benchmark::DoNotOptimize(kw::ImportWorld(world, archive, false, progress, ui));
    }
    state.counters["archive bytes"] = static_cast<double>(fs::file_size(archive));
}
BENCHMARK(BM_ArchiveImport)->Apply(ArchiveArguments);

}  // namespace

// KL parsing alone: every value of every country file of the demo installation read through
// CKLFile, with no model behind it, beside the anchor of splitting the same bytes into lines.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "DemoInstallations.h"
#include "storage/KLFile.h"

namespace {

namespace fs = std::filesystem;
using kw::demo::EDemoScale;

// What the reader meets on each line, found outside the timing so that the timed loop calls
// exactly what a model reader calls: FindSection at a section start, SkipToSectionEnd at its end,
// ReadNumber for a number and ReadText for any other value.
enum class ELine : std::uint8_t { kStart, kEnd, kNumber, kText };

struct SCountryFile {
    fs::path path;
    std::string bytes;
    std::vector<ELine> lines;
    std::vector<std::string> tags;  // one per start or end line, in order
};

bool IsNumber(std::string_view line) {
    std::size_t at = !line.empty() && line[0] == '-' ? 1 : 0;
    if (at == line.size()) {
        return false;
    }
    for (; at < line.size(); ++at) {
        if (line[at] < '0' || line[at] > '9') {
            return false;
        }
    }
    return true;
}

void Scan(SCountryFile& file) {
    constexpr std::string_view kStart = "%INDEX%";
    constexpr std::string_view kEnd = "%INDEXEND%";
    std::size_t position = 0;
    while (position < file.bytes.size()) {
        std::size_t feed = file.bytes.find('\n', position);
        if (feed == std::string::npos) {
            feed = file.bytes.size();
        }
        std::string_view line(file.bytes.data() + position, feed - position);
        position = feed + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.starts_with(kEnd)) {
            file.lines.push_back(ELine::kEnd);
            file.tags.emplace_back(line.substr(kEnd.size()));
        } else if (line.starts_with(kStart)) {
            file.lines.push_back(ELine::kStart);
            file.tags.emplace_back(line.substr(kStart.size()));
        } else if (!line.starts_with(';')) {
            file.lines.push_back(IsNumber(line) ? ELine::kNumber : ELine::kText);
        }
    }
}

const std::vector<SCountryFile>& CountryFiles(EDemoScale scale) {
    static std::map<EDemoScale, std::vector<SCountryFile>> cache;
    auto found = cache.find(scale);
    if (found != cache.end()) {
        return found->second;
    }
    std::vector<SCountryFile> files;
    for (const auto& entry :
         fs::directory_iterator(kw::bench::DemoInstallation(scale) / "database")) {
        if (entry.path().filename().string().starts_with("Country")) {
            SCountryFile file;
            file.path = entry.path();
            std::ifstream in(file.path, std::ios::binary);
            file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            Scan(file);
            files.push_back(std::move(file));
        }
    }
    return cache.emplace(scale, std::move(files)).first->second;
}

std::int64_t TotalBytes(const std::vector<SCountryFile>& files) {
    std::int64_t total = 0;
    for (const SCountryFile& file : files) {
        total += static_cast<std::int64_t>(file.bytes.size());
    }
    return total;
}

// Reads every value; the number of values read, which the scan predicts.
std::int64_t ReadAll(kw::CKLFile& reader, const SCountryFile& file) {
    std::int64_t values = 0;
    std::int32_t number = 0;
    char text[kw::CKLFile::kLineCapacity];
    std::size_t tag = 0;
    for (const ELine line : file.lines) {
        switch (line) {
            case ELine::kStart:
                reader.FindSection(file.tags[tag++]);
                break;
            case ELine::kEnd:
                reader.SkipToSectionEnd(file.tags[tag++]);
                break;
            case ELine::kNumber:
                values += reader.ReadNumber(number) ? 1 : 0;
                break;
            case ELine::kText:
                values += reader.ReadText(text, sizeof text) ? 1 : 0;
                break;
        }
    }
    return values;
}

enum ESource { kMemory, kFiles };

void BM_KLParseCountryFiles(benchmark::State& state) {
    const auto scale = static_cast<EDemoScale>(state.range(0));
    const auto source = static_cast<ESource>(state.range(1));
    const std::vector<SCountryFile>& files = CountryFiles(scale);
    std::int64_t values = 0;
    for (auto _ : state) {
        values = 0;
        for (const SCountryFile& file : files) {
            kw::CKLFile reader;
            if (source == kMemory) {
                reader.OpenForReadFromMemory(file.bytes);
            } else {
                reader.OpenForRead(file.path);
            }
            values += ReadAll(reader, file);
        }
    }
    std::int64_t expected = 0;
    for (const SCountryFile& file : files) {
        for (const ELine line : file.lines) {
            expected += line == ELine::kNumber || line == ELine::kText ? 1 : 0;
        }
    }
    if (values != expected) {
        state.SkipWithError("not every value was read");
    }
    state.SetLabel(source == kMemory ? "from memory" : "from the files");
    state.counters["values"] = static_cast<double>(values);
    state.SetBytesProcessed(state.iterations() * TotalBytes(files));
}

// The anchor: copying the same bytes (as OpenForReadFromMemory does) and finding every line end.
void BM_KLAnchorSplitLines(benchmark::State& state) {
    const std::vector<SCountryFile>& files = CountryFiles(static_cast<EDemoScale>(state.range(0)));
    std::vector<char> copy;
    for (auto _ : state) {
        std::int64_t lines = 0;
        for (const SCountryFile& file : files) {
            copy.assign(file.bytes.begin(), file.bytes.end());
            const char* at = copy.data();
            const char* const end = at + copy.size();
            while (const void* feed = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
                at = static_cast<const char*>(feed) + 1;
                ++lines;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes(files));
}

using kw::bench::kFull;
using kw::bench::kHuge;

BENCHMARK(BM_KLParseCountryFiles)
    ->Args({kFull, kMemory})
    ->Args({kFull, kFiles})
    ->Args({kHuge, kMemory})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KLAnchorSplitLines)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace

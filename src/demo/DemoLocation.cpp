#include "demo/DemoLocation.h"

#include <cstdlib>
#include <system_error>

#include "platform/Paths.h"

namespace kw::demo {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kEditorSeed = 1;

std::optional<fs::path> DataHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
        return fs::path(data);
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return fs::path(home) / ".local" / "share";
    }
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> DemoInstallationDirectory() {
    if (const char* off = std::getenv("KW06_NO_DEMO"); off != nullptr && *off != '\0') {
        return std::nullopt;
    }
    const auto data = DataHome();
    if (!data) {
        return std::nullopt;
    }
    return *data / "kwedit" / "demo";
}

bool HoldsInstallation(const fs::path& folder) {
    return FindExisting(folder, "database/countries.sav").has_value();
}

SDemoResult EnsureDemoInstallation(const fs::path& folder, IProgress& progress) {
    if (HoldsInstallation(folder)) {
        SDemoResult present;
        present.ok = true;
        return present;
    }
    const fs::path partial = folder.parent_path() / (folder.filename().string() + ".partial");
    std::error_code error;
    fs::remove_all(partial, error);
    SDemoResult result =
        GenerateDemoInstallation(partial, EDemoScale::kFull, kEditorSeed, progress);
    if (!result.ok) {
        fs::remove_all(partial, error);
        return result;
    }
    fs::remove_all(folder, error);
    fs::rename(partial, folder, error);
    if (error) {
        result.ok = false;
        result.message = "cannot rename " + partial.string() + ": " + error.message();
    }
    return result;
}

}  // namespace kw::demo

#include "app/AppContext.h"

#include "platform/Paths.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

std::filesystem::path Below(const std::filesystem::path& base, std::string_view name) {
    return FindExisting(base, name).value_or(base / name);
}

}  // namespace

void SetUpDirectories(SAppContext& context, const std::filesystem::path& workingDirectory) {
    const std::filesystem::path install = LongPath(workingDirectory);
    context.installDirectory = install;
    context.databaseDirectory = Below(install, "database");
    context.languageDirectory = std::string(ResourceString(ids::kLanguageDirectory));
    context.scriptDirectory = Below(install, "script");
    context.badgeDirectory = Below(install, "badges");
    context.sponsorDirectory = Below(install, "sponsors");
    context.pictureDirectory = Below(install, "picture");
    context.cityDirectory = Below(install, "city");
}

std::string CaptionWithDirectory(std::string_view base, std::string_view directoryName) {
    std::string caption(base);
    const std::size_t suffixStart = caption.size();
    caption += " - ";
    caption += directoryName;
    for (std::size_t i = suffixStart + 1; i < caption.size(); ++i) {
        if (caption[i - 1] == ' ' && caption[i] >= 'a' && caption[i] <= 'z') {
            caption[i] = static_cast<char>(caption[i] - 'a' + 'A');
        }
    }
    return caption;
}

}  // namespace kw

#include "editing/BadgePreview.h"

#include "assets/BadgeFiles.h"
#include "assets/BadgeNames.h"
#include "assets/GlobalTools.h"
#include "assets/Tga.h"
#include "platform/FileContents.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

std::string ReasonOr(const std::string& reason, std::string_view path) {
    return reason.empty() ? std::string(path) : reason;
}

}  // namespace

SBadgePreview LoadBadgePreview(const CGlobalTools& tools, std::string_view path) {
    if (path.empty()) {
        return {std::nullopt, std::string(ResourceString(ids::kNoFileChosen))};
    }
    if (const auto loose = FindLooseBadge(tools.BadgeDirectory(), path)) {
        if (const auto bytes = ReadFileBytes(*loose)) {
            if (auto dib = ConvertTgaToDib(*bytes)) {
                return {std::move(dib), std::string(path)};
            }
        }
    }
    const COrvelBig& archive = tools.BadgeArchive();
    if (!archive.IsOpen()) {
        // Why the archive is not there (it was opened quietly at start-up).
        return {std::nullopt, ReasonOr(archive.LastError(), path)};
    }
    const std::string name = BadgeArchiveName(path);
    const int index = archive.FindIndex(name);
    if (index < 0) {
        std::string text(ResourceString(ids::kBigNotFound));
        if (const auto at = text.find("%s"); at != std::string::npos) {
            text.replace(at, 2, name);
        }
        return {std::nullopt, std::move(text)};
    }
    std::vector<std::uint8_t> bytes;
    if (!archive.ReadEntry(index, bytes, true)) {
        return {std::nullopt, ReasonOr(archive.LastError(), path)};
    }
    auto dib = ConvertTgaToDib(bytes);
    if (!dib) {
        return {std::nullopt, std::string(path)};
    }
    return {std::move(dib), std::string(path)};
}

}  // namespace kw

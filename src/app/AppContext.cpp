#include "app/AppContext.h"

#include "platform/Paths.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

void CapitaliseAfterBlanks(std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i - 1] == ' ' && text[i] >= 'a' && text[i] <= 'z') {
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
        }
    }
}

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Byte offset of the start of the last `count` characters of a UTF-8 text (0 when it has fewer).
std::size_t StartOfLastCharacters(std::string_view text, std::size_t count) {
    std::size_t start = text.size();
    while (start > 0 && count > 0) {
        --start;
        if (!IsUtf8Continuation(text[start])) {
            --count;
        }
    }
    return start;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += IsUtf8Continuation(byte) ? 0 : 1;
    }
    return count;
}

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
    CapitaliseAfterBlanks(caption, suffixStart + 1);
    return caption;
}

std::string SlotMenuLabel(int index, std::string_view directoryName) {
    constexpr std::size_t kLongestName = 40;
    constexpr std::size_t kKeptCharacters = 37;
    std::string label = std::to_string(index + 1) + ". ";
    if (CharacterCount(directoryName) > kLongestName) {
        label += "...";
        label += directoryName.substr(StartOfLastCharacters(directoryName, kKeptCharacters));
    } else {
        label += directoryName;
    }
    if (label[0] >= 'a' && label[0] <= 'z') {
        label[0] = static_cast<char>(label[0] - 'a' + 'A');
    }
    CapitaliseAfterBlanks(label, 1);
    return label;
}

}  // namespace kw

#include "platform/CommitRecord.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>

#include "platform/FileCalls.h"

namespace kw {

namespace {

constexpr std::string_view kHeader = "KW06 COMMIT 1\n";
constexpr std::string_view kEnd = "END ";
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kRandomLength = 6;

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    return hash;
}

// Blanks, line ends and control bytes would break the line format.
void AppendEncoded(std::string& out, const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == '%' || byte == 0x7F) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
}

std::optional<std::string> Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size() ||
            std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16).ptr !=
                text.data() + i + 3) {
            return std::nullopt;
        }
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::filesystem::path Absolute(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

std::optional<SCommitEntry> ParseEntry(const std::filesystem::path& folder, std::string_view line) {
    const std::vector<std::string_view> fields = Fields(line);
    SCommitEntry entry;
    if (fields.size() != 3 || !ParseNumber(fields[0], entry.size)) {
        return std::nullopt;
    }
    const auto temporary = Decoded(fields[1]);
    const auto target = Decoded(fields[2]);
    if (!temporary || !target || target->empty() || temporary->find('/') != std::string::npos) {
        return std::nullopt;
    }
    const std::filesystem::path stored(*target);
    // Formed the way the record was written: lexically from the folder.
    entry.target = (stored.is_absolute() ? stored : folder / stored).lexically_normal();
    // Only a temporary made for this very target: anything else is not the record's to touch.
    const std::string targetName = entry.target.filename().string();
    if (temporary->size() != targetName.size() + kTemporaryMark.size() + kRandomLength ||
        temporary->compare(0, targetName.size(), targetName) != 0 || !IsTemporaryName(*temporary)) {
        return std::nullopt;
    }
    entry.temporary = entry.target.parent_path() / *temporary;
    return entry;
}

}  // namespace

std::string TemporaryPattern(const std::filesystem::path& target) {
    return target.string() + std::string(kTemporaryMark) + std::string(kRandomLength, 'X');
}

bool IsTemporaryName(std::string_view fileName) {
    const std::size_t suffix = kTemporaryMark.size() + kRandomLength;
    if (fileName.size() <= suffix ||
        fileName.substr(fileName.size() - suffix, kTemporaryMark.size()) != kTemporaryMark) {
        return false;
    }
    for (const char c : fileName.substr(fileName.size() - kRandomLength)) {
        const bool alphanumeric =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alphanumeric) {
            return false;
        }
    }
    return true;
}

std::string FormatCommitRecord(const std::filesystem::path& folder,
                               const std::vector<SCommitEntry>& entries) {
    const std::filesystem::path base = Absolute(folder);
    std::string text(kHeader);
    for (const SCommitEntry& entry : entries) {
        const std::filesystem::path target = Absolute(entry.target);
        std::filesystem::path relative = target.lexically_relative(base);
        if (relative.empty()) {
            relative = target;
        }
        text += std::to_string(entry.size);
        text += ' ';
        AppendEncoded(text, entry.temporary.filename().string());
        text += ' ';
        AppendEncoded(text, relative.string());
        text += '\n';
    }
    char end[64];
    std::snprintf(end, sizeof end, "%zu %016llx\n", entries.size(),
                  static_cast<unsigned long long>(Fnv1a(text)));
    return text + std::string(kEnd) + end;
}

SParsedCommitRecord ParseCommitRecord(const std::filesystem::path& folder, std::string_view text) {
    SParsedCommitRecord record;
    if (text.substr(0, kHeader.size()) != kHeader) {
        return record;
    }
    std::size_t position = kHeader.size();
    std::size_t lines = 0;
    while (position < text.size()) {
        const std::size_t newline = text.find('\n', position);
        if (newline == std::string_view::npos) {
            return record;  // a cut line: the record was never finished
        }
        const std::string_view line = text.substr(position, newline - position);
        if (line.substr(0, kEnd.size()) == kEnd) {
            const std::vector<std::string_view> fields = Fields(line.substr(kEnd.size()));
            std::size_t count = 0;
            std::uint64_t checksum = 0;
            record.complete = fields.size() == 2 && ParseNumber(fields[0], count) &&
                              ParseNumber(fields[1], checksum, 16) && count == lines &&
                              checksum == Fnv1a(text.substr(0, position)) &&
                              newline + 1 == text.size();
            return record;
        }
        if (auto entry = ParseEntry(folder, line)) {
            record.entries.push_back(std::move(*entry));
        }
        ++lines;
        position = newline + 1;
    }
    return record;
}

bool WriteCommitRecord(const SWriteOptions& options, const std::filesystem::path& folder,
                       const std::vector<SCommitEntry>& entries) {
    const std::filesystem::path path = folder / kCommitRecordName;
    const std::string text = FormatCommitRecord(folder, entries);
    if (FileCallFails(options, EFileCall::kOpen, path)) {
        return false;
    }
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = !FileCallFails(options, EFileCall::kWrite, path);
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        ok = written > 0;
        done += ok ? static_cast<std::size_t>(written) : 0;
    }
    ok = ok && SyncDescriptor(options, fd, path);
    const bool closeFails = FileCallFails(options, EFileCall::kClose, path);
    ok = (close(fd) == 0) && !closeFails && ok;
    ok = ok && SyncFolder(options, folder);
    if (!ok) {
        RemoveFile(options, path);
    }
    return ok;
}

}  // namespace kw

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WriteOptions.h"

namespace kw {

// A commit record lists the files of a batch that are about to replace their targets. It lies
// beside the database while the renames run, so that an interrupted commit can be finished on the
// next open: every temporary it names was complete and on the disk before it was written.

// Its name inside the database folder.
inline constexpr std::string_view kCommitRecordName = ".kw-commit";

// The mkstemp pattern of a temporary beside `target`, and whether a file name is one.
std::string TemporaryPattern(const std::filesystem::path& target);
bool IsTemporaryName(std::string_view fileName);

struct SCommitEntry {
    std::filesystem::path temporary;
    std::filesystem::path target;
    std::uint64_t size = 0;
};

// The record's text; paths are stored relative to `folder`, so a copied database recovers in
// its new place.
std::string FormatCommitRecord(const std::filesystem::path& folder,
                               const std::vector<SCommitEntry>& entries);

struct SParsedCommitRecord {
    // The whole record arrived (its end line and checksum match); otherwise `entries` holds
    // only the lines before the damage.
    bool complete = false;
    std::vector<SCommitEntry> entries;
};

// Reads a record's text. Lines that do not name a temporary beside its target are dropped, so
// neither recovery step ever touches any other file.
SParsedCommitRecord ParseCommitRecord(const std::filesystem::path& folder, std::string_view text);

// Writes the record into `folder` and makes it durable (file and folder). On failure a partial
// record is removed again.
bool WriteCommitRecord(const SWriteOptions& options, const std::filesystem::path& folder,
                       const std::vector<SCommitEntry>& entries);

}  // namespace kw

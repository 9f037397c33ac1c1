#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kw {

class CChunkPacker;

// Packs a club's badge images into a world archive: one "BADG" chunk per badge size whose file
// exists below the badge folder, named by its path relative to that folder.
class CBadge {
public:
    // `pattern` is the club's stored badge path ("...\Badge256\name.tga", Windows-1252).
    CBadge(std::filesystem::path directory, std::string pattern);

    // Announces the files Export will add, so that files several clubs share (the colour
    // templates) are read and packed once per archive. Call it for every club first.
    void ExpectExport(CChunkPacker& archive) const;
    // The number of chunks added; missing sizes are skipped silently.
    int Export(CChunkPacker& archive) const;

private:
    // The club's badge files relative to the badge folder, '/'-separated, each once.
    std::vector<std::string> FileNames() const;

    std::filesystem::path m_directory;
    std::string m_pattern;
};

}  // namespace kw

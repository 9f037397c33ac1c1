#pragma once

#include <filesystem>
#include <string>

namespace kw {

class CChunkPacker;

// Packs a club's badge images into a world archive: one "BADG" chunk per badge size whose file
// exists below the badge folder, named by its path relative to that folder.
class CBadge {
public:
    // `pattern` is the club's stored badge path ("...\Badge256\name.tga", Windows-1252).
    CBadge(std::filesystem::path directory, std::string pattern);

    // The number of chunks added; missing sizes are skipped silently. Files that several clubs
    // share (the colour templates) are read and packed once per archive.
    int Export(CChunkPacker& archive) const;

private:
    std::filesystem::path m_directory;
    std::string m_pattern;
};

}  // namespace kw

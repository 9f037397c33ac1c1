#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kw {

struct SPs2Face {
    std::int32_t ps2Face = 0;
    // The face of the face table ("faceIDs.txt") that the console face stands for.
    std::int32_t face = 0;
    std::string text;
};

// The faces of the other game's console database and the faces they stand for. Read from
// "RakelPS2Faces.txt": "PS2 face number;face number;text" a line (docs/MAPPING_FILES.md).
class CRakelPs2FaceTable {
public:
    // False when the file cannot be read; the table is then empty.
    bool Load(const std::filesystem::path& path);
    void LoadFromText(std::string_view text, std::string fileName);

    bool IsLoaded() const { return !m_entries.empty(); }
    const std::string& FileName() const { return m_fileName; }
    const std::vector<SPs2Face>& Entries() const { return m_entries; }
    // The first entry standing for the face.
    std::optional<std::size_t> FindByFace(std::int32_t face) const;

private:
    std::string m_fileName;
    std::vector<SPs2Face> m_entries;
    std::unordered_map<std::int32_t, std::size_t> m_byFace;
};

}  // namespace kw

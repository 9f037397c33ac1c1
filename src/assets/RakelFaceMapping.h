#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/RakelNameIndex.h"

namespace kw {

// Which face of the face table ("faceIDs.txt") the other game gives a player, by his full name
// (A to Z in any case). Read from "RakelFaces.txt": "face number;first name;surname" a line
// (docs/MAPPING_FILES.md).
class CRakelFaceMapping {
public:
    // False when the file cannot be read; the list is then empty.
    bool Load(const std::filesystem::path& path);
    void LoadFromText(std::string_view text, std::string fileName);

    bool IsLoaded() const { return !m_faces.empty(); }
    const std::string& FileName() const { return m_fileName; }
    // The face number of the first entry with that full name (spaces normalised).
    std::optional<std::int32_t> FindFace(std::string_view fullName) const;

private:
    std::string m_fileName;
    std::vector<std::int32_t> m_faces;
    CRakelNameIndex m_byFullName;
};

}  // namespace kw

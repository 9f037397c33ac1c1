#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace kw::test {

// A fresh folder below the system's temporary folder (or below `base`), removed with everything
// in it when the object goes away.
class TempDir {
public:
    explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view data);
// The names of the entries directly in `folder`.
std::set<std::string> FileNames(const std::filesystem::path& folder);

}  // namespace kw::test

#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/StringTable.h"

namespace kw {

// The tables are written as plain literals, the only form Qt's lupdate reads, and converted from
// UTF-8: a build with another execution character set must fail here, not show wrong letters.
static_assert(std::string_view("ä") == "\xC3\xA4", "the execution character set must be UTF-8");

// Marks a resource text for Qt's lupdate (read as QT_TRANSLATE_NOOP); the core keeps the German
// text. The context is always "kw::Resource" (kResourceContext).
#define KW_RESOURCE_TEXT(context, text) text

inline constexpr std::string_view kResourceContext = "kw::Resource";

// kShown: a text only windows (or messages) show; translated, and marked with KW_RESOURCE_TEXT.
// kData: a text that also ends up in files, folder names or the records; never translated.
enum class ERowUse { kShown, kData };

// One text of a resource table, UTF-8; the table converts it to Windows-1252 once.
struct SResourceRow {
    int id;
    std::string_view text;
    ERowUse use = ERowUse::kShown;
};

// Whether the rows are sorted by id without duplicates, for a static_assert beside each table.
constexpr bool SortedByUniqueId(std::span<const SResourceRow> rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i - 1].id >= rows[i].id) {
            return false;
        }
    }
    return true;
}

// The texts of one table by id, as Windows-1252 bytes. A table takes the translator installed by
// InstallResourceTranslator when it is made and whenever one is installed later.
class CResourceTable {
public:
    explicit CResourceTable(std::span<const SResourceRow> rows);
    ~CResourceTable();
    CResourceTable(const CResourceTable&) = delete;
    CResourceTable& operator=(const CResourceTable&) = delete;

    // The text with that id, or nothing for an id the table has not. The view is zero-terminated
    // (usable as a printf format) and lives as long as the table, also after a translation.
    // Safe beside concurrent lookups and a concurrent Translate.
    std::optional<std::string_view> Find(int id) const;

    // Shows the kShown rows translated from now on; see InstallResourceTranslator for the rows
    // that keep their German text. An empty function brings the German back. Not concurrently
    // with itself.
    void Translate(const ResourceTranslator& translate);

private:
    using Texts = std::vector<std::string>;

    std::span<const SResourceRow> m_rows;
    // Every set of texts made stays until the table goes: views into each may still be held.
    std::vector<std::unique_ptr<const Texts>> m_sets;
    std::atomic<const Texts*> m_texts;
};

}  // namespace kw

#include "platform/ResourceTable.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/Cp1252.h"

namespace kw {

namespace {

// The installed translator and the tables that exist, so that a translator reaches the tables
// made before it as well as those made after.
struct STranslation {
    std::mutex mutex;
    ResourceTranslator translate;
    std::vector<CResourceTable*> tables;
    // ShownText's texts by translator (counted up by each install), context and German text; a
    // map, so the views handed out stay valid when it grows.
    unsigned generation = 0;
    std::map<std::tuple<unsigned, std::string, std::string>, std::string, std::less<>> shown;
};

STranslation& Translation() {
    static STranslation translation;
    return translation;
}

std::string Translated(std::string_view context, std::string_view text,
                       const ResourceTranslator& translate) {
    if (translate) {
        const std::string translated = translate(context, text);
        // A format with other conversions would make FormatPrintf read the wrong arguments.
        if (!translated.empty() && SamePrintfConversions(text, translated)) {
            return Utf8ToCp1252(translated);
        }
    }
    return Utf8ToCp1252(text);
}

std::string TextToShow(const SResourceRow& row, const ResourceTranslator& translate) {
    return row.use == ERowUse::kShown ? Translated(kResourceContext, row.text, translate)
                                      : Utf8ToCp1252(row.text);
}

}  // namespace

CResourceTable::CResourceTable(std::span<const SResourceRow> rows) : m_rows(rows) {
    auto german = std::make_unique<Texts>();
    german->reserve(rows.size());
    for (const SResourceRow& row : rows) {
        german->push_back(Utf8ToCp1252(row.text));
    }
    m_texts = german.get();
    m_sets.push_back(std::move(german));
    STranslation& translation = Translation();
    const std::lock_guard lock(translation.mutex);
    Translate(translation.translate);
    translation.tables.push_back(this);
}

CResourceTable::~CResourceTable() {
    STranslation& translation = Translation();
    const std::lock_guard lock(translation.mutex);
    std::erase(translation.tables, this);
}

std::optional<std::string_view> CResourceTable::Find(int id) const {
    const auto row = std::lower_bound(
        m_rows.begin(), m_rows.end(), id,
        [](const SResourceRow& candidate, int wanted) { return candidate.id < wanted; });
    if (row == m_rows.end() || row->id != id) {
        return std::nullopt;
    }
    const Texts& texts = *m_texts.load(std::memory_order_acquire);
    return texts[static_cast<std::size_t>(row - m_rows.begin())];
}

void CResourceTable::Translate(const ResourceTranslator& translate) {
    if (!translate) {
        m_texts.store(m_sets.front().get(), std::memory_order_release);
        return;
    }
    auto texts = std::make_unique<Texts>();
    texts->reserve(m_rows.size());
    for (const SResourceRow& row : m_rows) {
        texts->push_back(TextToShow(row, translate));
    }
    m_texts.store(texts.get(), std::memory_order_release);
    m_sets.push_back(std::move(texts));
}

void InstallResourceTranslator(ResourceTranslator translate) {
    STranslation& translation = Translation();
    const std::lock_guard lock(translation.mutex);
    translation.translate = std::move(translate);
    ++translation.generation;
    for (CResourceTable* table : translation.tables) {
        table->Translate(translation.translate);
    }
}

std::string_view ShownText(const char* context, const char* text) {
    STranslation& translation = Translation();
    const std::lock_guard lock(translation.mutex);
    const auto [entry, added] =
        translation.shown.try_emplace({translation.generation, context, text});
    if (added) {
        entry->second = Translated(context, text, translation.translate);
    }
    return entry->second;
}

}  // namespace kw

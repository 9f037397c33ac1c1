#include "exports/archive/ChunkPacker.h"

#include <utility>

#include "storage/PackedCodec.h"

namespace kw {

CChunkPacker::CChunkPacker(CArchiveWriter& writer, unsigned threads)
    : m_writer(writer), m_maxWaiting(4 * std::max(1u, threads)) {
    for (unsigned i = 0; i < std::max(1u, threads); ++i) {
        m_workers.emplace_back([this] { Work(); });
    }
}

CChunkPacker::~CChunkPacker() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    // The jthreads join here, after finishing the jobs already queued.
}

CChunkPacker::PackedChunk CChunkPacker::Pack(std::vector<std::uint8_t> payload) {
    std::packaged_task<std::vector<std::uint8_t>()> job(
        [payload = std::move(payload)] { return PackData(payload); });
    PackedChunk result = job.get_future().share();
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
    return result;
}

void CChunkPacker::ExpectShared(const std::string& key) {
    ++m_shared[key].usesLeft;
}

std::optional<CChunkPacker::PackedChunk> CChunkPacker::UseShared(
    const std::string& key, const std::function<std::optional<std::vector<std::uint8_t>>()>& read) {
    const auto entry = m_shared.find(key);
    if (entry == m_shared.end()) {
        auto payload = read();
        return payload ? std::optional(Pack(std::move(*payload))) : std::nullopt;
    }
    SShared& shared = entry->second;
    if (!shared.read) {
        shared.read = true;
        if (auto payload = read()) {
            shared.chunk = Pack(std::move(*payload));
        }
    }
    const bool readable = shared.chunk.has_value();
    PackedChunk chunk = readable ? *shared.chunk : PackedChunk();
    if (--shared.usesLeft <= 0) {
        m_shared.erase(entry);
    }
    return readable ? std::optional(std::move(chunk)) : std::nullopt;
}

void CChunkPacker::Write(EChunkTag tag, PackedChunk chunk) {
    m_waiting.push_back({tag, std::move(chunk)});
    while (m_waiting.size() > m_maxWaiting) {
        WriteOldest();
    }
}

bool CChunkPacker::Flush() {
    while (!m_waiting.empty()) {
        WriteOldest();
    }
    return !m_writer.Failed();
}

void CChunkPacker::WriteOldest() {
    const SWaiting oldest = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_writer.AddPackedChunk(oldest.tag, oldest.chunk.get());
}

void CChunkPacker::Work() {
    for (;;) {
        std::packaged_task<std::vector<std::uint8_t>()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty()) {
                return;
            }
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}

}  // namespace kw

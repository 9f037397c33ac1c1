#include "model/ChunkPacker.h"

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

std::optional<CChunkPacker::PackedChunk> CChunkPacker::PackOnce(
    const std::string& key, const std::function<std::optional<std::vector<std::uint8_t>>()>& read) {
    const auto [entry, added] = m_packedOnce.try_emplace(key);
    if (added) {
        if (auto payload = read()) {
            entry->second = Pack(std::move(*payload));
        }
    }
    return entry->second;
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

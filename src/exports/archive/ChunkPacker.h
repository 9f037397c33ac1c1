#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "exports/archive/ArchiveChunks.h"

namespace kw {

// Packs archive chunks on every core while the caller reads the next files, and writes them in
// the order they were added: the archive is byte for byte the one a single thread would write.
class CChunkPacker {
public:
    using PackedChunk = std::shared_future<std::vector<std::uint8_t>>;

    explicit CChunkPacker(CArchiveWriter& writer,
                          unsigned threads = std::max(1u, std::thread::hardware_concurrency()));
    // Waits for the chunks being packed; a chunk not yet written is dropped.
    ~CChunkPacker();
    CChunkPacker(const CChunkPacker&) = delete;
    CChunkPacker& operator=(const CChunkPacker&) = delete;

    // Starts packing `payload`. The result may be written any number of times.
    PackedChunk Pack(std::vector<std::uint8_t> payload);
    // Files that several chunks carry (the badges many clubs share) are read and packed once:
    // every coming use of `key` is announced first, the first UseShared reads and packs, the
    // later ones get the same chunk, and the chunk is let go after the last announced use. A key
    // used more often than announced is read and packed again. Nothing when `read` gives nothing.
    void ExpectShared(const std::string& key);
    std::optional<PackedChunk> UseShared(
        const std::string& key,
        const std::function<std::optional<std::vector<std::uint8_t>>()>& read);
    // Appends a chunk to the archive once it and every chunk before it are packed. Only a few
    // chunks wait at a time, so memory stays bounded however large the archive.
    void Write(EChunkTag tag, PackedChunk chunk);
    // Writes every waiting chunk; false when any write failed.
    bool Flush();

private:
    struct SShared {
        int usesLeft = 0;
        bool read = false;
        std::optional<PackedChunk> chunk;
    };
    struct SWaiting {
        EChunkTag tag;
        PackedChunk chunk;
    };
    void WriteOldest();
    void Work();

    CArchiveWriter& m_writer;
    std::unordered_map<std::string, SShared> m_shared;
    std::deque<SWaiting> m_waiting;
    std::size_t m_maxWaiting;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::packaged_task<std::vector<std::uint8_t>()>> m_jobs;
    bool m_stopping = false;
    std::vector<std::jthread> m_workers;
};

}  // namespace kw

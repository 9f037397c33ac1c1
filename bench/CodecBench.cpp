// Packing and unpacking throughput of the packed data codec on the kinds of payload the world
// archive and the badge archive carry.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "storage/PackedCodec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSize = 1 << 20;

enum Payload { kCountryFile, kBadgeImage, kIncompressible, kZeros };

// KL text like a country file: the same tags and value shapes over and over.
Bytes CountryFile(std::mt19937& random) {
    std::string text;
    while (text.size() < kSize) {
        text += "%INDEX%PLAYER\r\n";
        for (int value = 0; value < 30; ++value) {
            text += std::to_string(random() % (value < 10 ? 100 : 100000)) + "\r\n";
        }
        text += "\"Spieler " + std::to_string(random() % 2000) +
                "\",\"Player\",\"Joueur\",\"Jugador\",\"Giocatore\"\r\n%INDEXEND%PLAYER\r\n";
    }
    text.resize(kSize);
    return Bytes(text.begin(), text.end());
}

// 32-bit pixels of a shield: flat colour areas with a noisy edge on every row.
Bytes BadgeImage(std::mt19937& random) {
    Bytes image;
    const std::uint8_t colours[3][4] = {{200, 30, 30, 255}, {250, 250, 250, 255}, {0, 0, 0, 0}};
    while (image.size() < kSize) {
        const std::size_t edge = 40 + random() % 8;
        for (std::size_t x = 0; x < 256; ++x) {
            const auto& colour = colours[x < edge ? 2 : (x / 32) % 2];
            image.insert(image.end(), colour, colour + 4);
        }
    }
    image.resize(kSize);
    return image;
}

Bytes MakePayload(Payload payload) {
    std::mt19937 random(2006);
    switch (payload) {
        case kCountryFile:
            return CountryFile(random);
        case kBadgeImage:
            return BadgeImage(random);
        case kIncompressible: {
            Bytes data(kSize);
            for (auto& byte : data) {
                byte = static_cast<std::uint8_t>(random());
            }
            return data;
        }
        case kZeros:
            break;
    }
    return Bytes(kSize, 0);
}

void SetLabels(benchmark::State& state, const Bytes& data, std::size_t packed) {
    static const char* const kNames[] = {"country file", "badge image", "incompressible", "zeros"};
    state.SetLabel(kNames[state.range(0)]);
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(data.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void BM_Pack(benchmark::State& state) {
    const Bytes data = MakePayload(static_cast<Payload>(state.range(0)));
    Bytes packed(kw::PackDataBound(data.size()));
    std::size_t length = 0;
    for (auto _ : state) {
        length = kw::PackData(data, packed);
        benchmark::DoNotOptimize(packed.data());
    }
    SetLabels(state, data, length);
}
BENCHMARK(BM_Pack)->DenseRange(kCountryFile, kZeros)->Unit(benchmark::kMillisecond);

void BM_Unpack(benchmark::State& state) {
    const Bytes data = MakePayload(static_cast<Payload>(state.range(0)));
    const Bytes packed = kw::PackData(data);
    Bytes unpacked(data.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::UnpackData(packed, unpacked));
    }
    SetLabels(state, data, packed.size());
}
BENCHMARK(BM_Unpack)->DenseRange(kCountryFile, kZeros)->Unit(benchmark::kMillisecond);

}  // namespace

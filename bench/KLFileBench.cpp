// Reading and writing KL files of the size of a large country file.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <string>

#include "storage/KLFile.h"

namespace {

constexpr int kValuesPerRecord = 40;

// A file of `records` sections with numbers, texts and a quoted list each, as the writer lays it
// out.
std::string MakeFile(int records) {
    std::string data;
    for (int record = 0; record < records; ++record) {
        data += "%INDEX%PLAYER" + std::to_string(record) + "\r\n";
        for (int value = 0; value < kValuesPerRecord; ++value) {
            data += std::to_string(record * 7 + value) + "\r\n";
        }
        data +=
            "Vorname Nachname\r\n\"Spieler\",\"Player\",\"Joueur\",\"Jugador\",\"Giocatore\"\r\n";
        data += "%INDEXEND%PLAYER" + std::to_string(record) + "\r\n";
    }
    return data;
}

void BM_KLReadRecords(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string data = MakeFile(records);
    for (auto _ : state) {
        kw::CKLFile file;
        file.OpenForReadFromMemory(data);
        std::int64_t sum = 0;
        char text[64];
        char names[5][30];
        for (int record = 0; record < records; ++record) {
            const std::string tag = "PLAYER" + std::to_string(record);
            file.FindSection(tag);
            for (int value = 0; value < kValuesPerRecord; ++value) {
                std::int32_t number = 0;
                file.ReadNumber(number);
                sum += number;
            }
            file.ReadText(text, sizeof text);
            file.ReadQuotedFive(names[0], sizeof names[0]);
            file.SkipToSectionEnd(tag);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_KLReadRecords)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_KLWriteRecords(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("kwbench-" + std::to_string(getpid()) + ".sav");
    const char names[5][30] = {"Spieler", "Player", "Joueur", "Jugador", "Giocatore"};
    for (auto _ : state) {
        kw::CKLFile file;
        file.OpenForWrite(path);
        for (int record = 0; record < records; ++record) {
            const std::string tag = "PLAYER" + std::to_string(record);
            file.BeginSection(tag);
            for (int value = 0; value < kValuesPerRecord; ++value) {
                file.WriteNumber(static_cast<std::int32_t>(record * 7 + value));
            }
            file.WriteText("Vorname Nachname");
            file.WriteQuotedList(names[0], 5, sizeof names[0]);
            file.EndSection(tag);
        }
        benchmark::DoNotOptimize(file.Close());
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_KLWriteRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

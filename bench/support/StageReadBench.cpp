// Reading a full stage file from disk: the container's file read and decipher, then the
// game's parse of the 96 lines. Also the two halves alone and the editor's writer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/BinAngsDL.h"
#include "support/StageText.h"

namespace {

// A stage with every chip code spread over the map, as the editor writes it.
tarn::StageFields BusyStage() {
    tarn::StageFields fields;
    fields.background = "bg01.bmp";
    fields.stageName = "ベンチマーク";
    fields.startColumnIndex = 3;
    fields.startRowIndex = 50;
    fields.nextStage = "1-2";
    std::mt19937 engine(7);
    for (auto& row : fields.map) {
        for (auto& cell : row) {
            cell =
                static_cast<std::uint8_t>(engine() % 5 == 0 ? engine() % tarn::kChipCodeCount : 0);
        }
    }
    return fields;
}

class StageFile {
  public:
    StageFile() {
        path_ = std::filesystem::temp_directory_path() /
                ("tarn-bench-" + std::to_string(std::random_device{}()) + ".tr2");
        const std::string text = tarn::WriteStageText(BusyStage());
        const std::vector<std::uint8_t> plain(text.begin(), text.end());
        if (tarn::WriteEncipheredFile(path_, plain) != tarn::ContainerStatus::Ok) {
            path_.clear();
        }
    }
    ~StageFile() {
        std::error_code error;
        std::filesystem::remove(path_, error);
    }
    StageFile(const StageFile&) = delete;
    StageFile& operator=(const StageFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

void BM_ReadStageFromDisk(benchmark::State& state) {
    const StageFile file;
    tarn::BinAngsDL container;
    std::vector<std::uint8_t> plain;
    for (auto _ : state) {
        if (tarn::ReadEncipheredFile(container, file.path(), plain) != tarn::ContainerStatus::Ok) {
            state.SkipWithError("stage file could not be read");
            break;
        }
        const tarn::GameStageText stage =
            tarn::ReadGameStage({reinterpret_cast<const char*>(plain.data()), plain.size()});
        benchmark::DoNotOptimize(stage.rows[59].data());
    }
}
BENCHMARK(BM_ReadStageFromDisk);

void BM_ReadEncipheredFile(benchmark::State& state) {
    const StageFile file;
    tarn::BinAngsDL container;
    std::vector<std::uint8_t> plain;
    for (auto _ : state) {
        if (tarn::ReadEncipheredFile(container, file.path(), plain) != tarn::ContainerStatus::Ok) {
            state.SkipWithError("stage file could not be read");
            break;
        }
        benchmark::DoNotOptimize(plain.data());
    }
}
BENCHMARK(BM_ReadEncipheredFile);

void BM_ReadGameStage(benchmark::State& state) {
    const std::string text = tarn::WriteStageText(BusyStage());
    for (auto _ : state) {
        const tarn::GameStageText stage = tarn::ReadGameStage(text);
        benchmark::DoNotOptimize(stage.rows[59].data());
    }
}
BENCHMARK(BM_ReadGameStage);

void BM_WriteStageText(benchmark::State& state) {
    const tarn::StageFields fields = BusyStage();
    for (auto _ : state) {
        const std::string text = tarn::WriteStageText(fields);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_WriteStageText);

}  // namespace

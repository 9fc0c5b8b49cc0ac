// Fuzz target: stage files through the container, both readers, the checker and the writer.
//
// Invariants: deciphering undoes enciphering; the readers and the checker accept anything;
// a stage written from what the editor read is read back unchanged once it is normalised,
// and a written stage the checker accepts is written back byte for byte.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/BinAngsDL.h"
#include "support/StageText.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

tarn::StageFields FieldsOf(const tarn::EditorStageText& stage) {
    tarn::StageFields fields;
    fields.background = stage.Text1;
    fields.stageName = stage.Text2;
    fields.startColumnIndex = stage.STX;
    fields.startRowIndex = stage.STY;
    fields.timeText = stage.Times;
    fields.nextStage = stage.Text3;
    fields.nextStage2 = stage.Text4;
    for (std::size_t row = 0; row < stage.rows.size(); ++row) {
        const auto& cells = stage.rows[row];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            fields.map[row][column] = static_cast<std::uint8_t>(cells[column]);
        }
    }
    return fields;
}

std::string Rewritten(std::string_view plain) {
    return tarn::WriteStageText(FieldsOf(tarn::ReadEditorStage(plain)));
}

void ExercisePlainText(std::string_view plain) {
    const tarn::GameStageText game = tarn::ReadGameStage(plain);
    const tarn::EditorStageText editor = tarn::ReadEditorStage(plain);
    Require(game.lineCount == editor.lineCount && game.lineCount <= tarn::kStageLineCount);
    for (std::size_t row = 0; row < game.rows.size(); ++row) {
        Require(game.rows[row].size() <= 201 && editor.rows[row].size() <= 200);
        for (std::size_t column = 0; column < editor.rows[row].size(); ++column) {
            Require(game.rows[row][column] == editor.rows[row][column]);
            Require(editor.rows[row][column] >= 0 && editor.rows[row][column] <= 255);
        }
    }
    (void)tarn::CheckStageText(plain);

    const std::string once = Rewritten(plain);
    Require(tarn::SplitStageLines(once).lines.size() == tarn::kStageLineCount);
    const std::string twice = Rewritten(once);
    if (tarn::CheckStageText(once).empty()) {
        Require(twice == once);
    } else if (twice != once) {
        // A second pass may still cut a quoted next stage at its comma; a third changes nothing.
        Require(Rewritten(twice) == twice);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> stored(data, size);

    std::vector<std::uint8_t> plain;
    if (tarn::DecipherBytes(stored, plain) == tarn::ContainerStatus::Ok) {
        const int key = stored[0] & 0xF;
        const int noise = stored[0] >> 4;
        Require(tarn::EncipherBytes(plain, noise, key) ==
                std::vector<std::uint8_t>(stored.begin(), stored.end()));
        const tarn::GameStageText stage =
            tarn::ReadGameStage({reinterpret_cast<const char*>(plain.data()), plain.size()});
        Require(stage.lineCount <= tarn::kStageLineCount);
    } else {
        Require(size == 0);
    }
    // The bytes as a plain text as well: deciphering is a bijection, so the parsers are
    // exercised in full on the raw bytes, where the fuzzer can steer them directly.
    ExercisePlainText({reinterpret_cast<const char*>(data), size});
    return 0;
}

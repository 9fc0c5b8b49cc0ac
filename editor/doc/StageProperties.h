// The seven stage properties edited above the map, the time-limit normalisation and
// the one-line stage summary printed under exported pictures. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "support/ChipTable.h"

namespace tarn::editor {

inline constexpr int kStartColumnCount = kMapColumns;  // "1" .. "200"
inline constexpr int kStartRowCount = kMapRows;        // "1" .. "60"
inline constexpr std::string_view kDefaultTimeText = "150";

struct StageProperties {
    std::string Text1;          // background tile picture
    std::string Text2;          // stage name
    int STX = 0;                // start column list index 0..199 (fixed list)
    std::string STYText = "1";  // start row as shown or typed (editable list)
    std::string Times{kDefaultTimeText};
    std::string Text3;  // next stage after goal 1
    std::string Text4;  // next stage after goal 2

    std::string STXText() const { return std::to_string(STX + 1); }
    // The list index of the start row, or -1 when the typed text is no list choice.
    int STYIndex() const;
};

// Index of text in a list holding "1" .. "count"; -1 when it is none of them.
int ListIndexOf(std::string_view text, int count);

// Empty text becomes "150", text whose numeric value is 0 becomes "0" (so text without
// a leading number, such as "abc", turns into "0"); anything else is kept as typed.
std::string NormaliseTimeText(std::string_view text);

// "ステージ名：" Text2 "/制限時間：" Times "/スタート位置：(" STX "," STY ")/次のファイル：" Text3
std::string StageSummary(const StageProperties& properties);

}  // namespace tarn::editor

// Stage property helpers shared by the window, printing and the file commands.
#include "editor/doc/StageProperties.h"

#include "support/StageText.h"

namespace tarn::editor {

int ListIndexOf(std::string_view text, int count) {
    if (text.empty() || text.size() > 4 || text.front() == '0') {
        return -1;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= count ? value - 1 : -1;
}

int StageProperties::STYIndex() const {
    return ListIndexOf(STYText, kStartRowCount);
}

std::string NormaliseTimeText(std::string_view text) {
    if (text.empty()) {
        return std::string(kDefaultTimeText);
    }
    if (NumericValue(text) == 0.0) {
        return "0";
    }
    return std::string(text);
}

std::string StageSummary(const StageProperties& properties) {
    return "ステージ名：" + properties.Text2 + "/制限時間：" + properties.Times +
           "/スタート位置：(" + properties.STXText() + "," + properties.STYText +
           ")/次のファイル：" + properties.Text3;
}

}  // namespace tarn::editor

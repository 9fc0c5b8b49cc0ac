// Checks before a stage leaves the editor, and their wording.
#include "editor/doc/SaveChecks.h"

#include <utility>

#include "support/Cp932.h"

namespace tarn::editor {
namespace {

std::string Quoted(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& character : characters) {
        text += "「" + character + "」";
    }
    return text;
}

std::string StartRowDescription(const StageProperties& properties) {
    if (properties.STYText.empty()) {
        return "スタート位置 Y が空です";
    }
    return "スタート位置 Y「" + properties.STYText + "」はマップの行（1～" +
           std::to_string(kStartRowCount) + "）ではありません";
}

}  // namespace

std::optional<UnstorableText> FindUnstorableText(const StageProperties& properties) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞ", &properties.Text1},
        {"ステージ名", &properties.Text2},
        {"制限時間", &properties.Times},
        {"次のファイル名(ゴール１)", &properties.Text3},
        {"次のファイル名(ゴール2)", &properties.Text4},
    };
    for (const auto& [field, text] : fields) {
        std::vector<std::string> characters = cp932::UnconvertibleCharacters(*text);
        if (!characters.empty()) {
            return UnstorableText{field, std::move(characters)};
        }
    }
    return std::nullopt;
}

std::string UnstorableTextMessage(const UnstorableText& found) {
    return found.field + "に、ステージファイルに書けない文字があります：" +
           Quoted(found.characters) +
           "\nステージファイルはシフトJISで書かれるため、この文字は「?」に変わってしまいます。"
           "\n文字を直してください。";
}

std::string RefusedCharactersNote(const std::vector<std::string>& characters) {
    return Quoted(characters) +
           "は入力できません。ステージファイルの文字（シフトJIS）にない文字です。";
}

bool StartRowOutsideMap(const StageProperties& properties) {
    return properties.STYIndex() < 0;
}

std::string StartRowSaveQuestion(const StageProperties& properties) {
    return StartRowDescription(properties) +
           "。\nこのまま保存すると 4 行目に -1 と書かれ、ゲームではプレイヤーがマップの外から始ま"
           "ります。\nこのまま保存しますか？";
}

std::string StartRowTestPlayMessage(const StageProperties& properties) {
    return StartRowDescription(properties) +
           "。\nプレイヤーがマップの外から始まるため、テストプレイできません。\n1～" +
           std::to_string(kStartRowCount) + " の行を選んでください。";
}

}  // namespace tarn::editor

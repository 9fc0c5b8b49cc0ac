// The validator walks the text by characters, so a surrogate pair goes as one.
#include "editor/app/StorableTextValidator.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editor/doc/SaveChecks.h"
#include "support/Cp932.h"

namespace tarn::editor {

StorableTextValidator::StorableTextValidator(std::function<void(const QString&)> refused,
                                             QObject* parent)
    : QValidator(parent), refused_(std::move(refused)) {}

QValidator::State StorableTextValidator::validate(QString& input, int& pos) const {
    const std::vector<std::string> refused = cp932::UnconvertibleCharacters(input.toStdString());
    if (refused.empty()) {
        return Acceptable;
    }
    QString kept;
    int keptPos = pos;
    for (qsizetype i = 0; i < input.size();) {
        const qsizetype length =
            input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QString character = input.mid(i, length);
        if (std::find(refused.begin(), refused.end(), character.toStdString()) != refused.end()) {
            if (i < pos) {
                keptPos -= int(length);
            }
        } else {
            kept += character;
        }
        i += length;
    }
    input = kept;
    pos = std::clamp(keptPos, 0, int(kept.size()));
    if (refused_) {
        refused_(QString::fromStdString(RefusedCharactersNote(refused)));
    }
    return Acceptable;
}

}  // namespace tarn::editor

// Stage text: the line splitter, the number and field rules, the game's and the editor's
// readings, and the writer of the editor's line layout.
#include "support/StageText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "support/Cp932.h"

namespace tarn {

namespace {

constexpr int kFirstReservedLine = kNextStage2Line + 1;
constexpr int kGameRowCells = kMapColumns + 1;  // the game keeps one cell past the map

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Plain ASCII reads the same in both encodings; only other texts need converting.
bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string Utf8(std::string_view cp932Text) {
    return IsAscii(cp932Text) ? std::string(cp932Text) : cp932::ToUtf8(cp932Text);
}

// The writer keeps one field per line whatever the field holds.
std::string SingleLine(std::string_view utf8) {
    std::string text = IsAscii(utf8) ? std::string(utf8) : cp932::FromUtf8(utf8);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

std::string IndexText(int index) {
    std::string text = index >= 0 ? std::string(" ") : std::string();
    text += std::to_string(index);
    return text;
}

std::string NextStageText(const std::string& name) {
    return name.empty() ? std::string("NONE") : SingleLine(name);
}

// Line 96 is read as one delimited field. A name the field would change (one with a comma,
// leading blanks or a leading double quote) goes in double quotes, which the field removes
// again; a name that also holds a double quote cannot be kept either way.
std::string DelimitedNextStageText(const std::string& name) {
    std::string text = NextStageText(name);
    if (FirstDelimitedField(text) != text && text.find('"') == std::string::npos) {
        text = '"' + text + '"';
    }
    return text;
}

// The power of ten of the leading digit of a decimal number text with at least one
// non-zero digit, for telling overflow from underflow.
long DecimalMagnitude(std::string_view number) {
    constexpr long kLimit = 1000000;
    long magnitude = -1;
    bool seenPoint = false;
    bool seenNonZero = false;
    std::size_t pos = 0;
    for (; pos < number.size() && (IsDigit(number[pos]) || number[pos] == '.'); ++pos) {
        if (number[pos] == '.') {
            seenPoint = true;
        } else if (!seenPoint && (seenNonZero || number[pos] != '0')) {
            seenNonZero = true;
            magnitude = std::min(magnitude + 1, kLimit);
        } else if (seenPoint && !seenNonZero) {
            if (number[pos] != '0') {
                seenNonZero = true;
            } else {
                magnitude = std::max(magnitude - 1, -kLimit);
            }
        }
    }
    long exponent = 0;
    bool negativeExponent = false;
    if (pos < number.size()) {
        ++pos;  // the "e"
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
            negativeExponent = number[pos] == '-';
            ++pos;
        }
        for (; pos < number.size(); ++pos) {
            exponent = std::min(exponent * 10 + (number[pos] - '0'), kLimit);
        }
    }
    return magnitude + (negativeExponent ? -exponent : exponent);
}

}  // namespace

std::string_view StageLines::Line(int n) const {
    if (n < 1 || n > static_cast<int>(lines.size())) {
        return {};
    }
    return lines[static_cast<std::size_t>(n - 1)];
}

StageLines SplitStageLines(std::string_view plain) {
    StageLines result;
    result.lines.reserve(kStageLineCount);
    std::size_t pos = 0;
    while (pos < plain.size() && static_cast<int>(result.lines.size()) < kStageLineCount) {
        std::size_t end = pos;
        while (end < plain.size() && plain[end] != '\r' && plain[end] != '\n') {
            ++end;
        }
        result.lines.emplace_back(plain.substr(pos, end - pos));
        if (end < plain.size() && plain[end] == '\r' && end + 1 < plain.size() &&
            plain[end + 1] == '\n') {
            ++end;
        }
        pos = end + 1;
    }
    return result;
}

double NumericValue(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
        negative = line[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    std::size_t digits = 0;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < line.size() && line[pos] == '.') {
        ++pos;
        while (pos < line.size() && IsDigit(line[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (pos < line.size() && (line[pos] == 'e' || line[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < line.size() && (line[exponent] == '+' || line[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < line.size() && IsDigit(line[exponent])) {
            pos = exponent;
            while (pos < line.size() && IsDigit(line[pos])) {
                ++pos;
            }
        }
    }
    double value = 0;
    const char* first = line.data() + start;
    const char* last = line.data() + pos;
    const auto [ptr, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too large saturates at the largest finite value; too small is zero.
        value = DecimalMagnitude({first, last}) >= 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc() || ptr != last) {
        value = 0;
    }
    return negative ? -value : value;
}

int RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (value >= kMax) {
        return std::numeric_limits<int>::max();
    }
    if (value <= kMin) {
        return std::numeric_limits<int>::min();
    }
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return whole >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(whole);
}

std::vector<std::int32_t> DecodeMapRow(std::string_view row, int maxCells) {
    std::vector<std::int32_t> cells;
    cells.reserve(std::min(row.size(), static_cast<std::size_t>(std::max(maxCells, 0))));
    std::size_t pos = 0;
    while (pos < row.size() && static_cast<int>(cells.size()) < maxCells) {
        const auto c = static_cast<unsigned char>(row[pos]);
        if (cp932::IsLeadByte(c) && pos + 1 < row.size()) {
            cells.push_back(0);
            pos += 2;
            continue;
        }
        if (c < 'A') {
            cells.push_back(IsDigit(static_cast<char>(c)) ? c - '0' : 0);
        } else {
            cells.push_back(static_cast<std::int32_t>(c) - 55);
        }
        ++pos;
    }
    return cells;
}

std::string FirstDelimitedField(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
    if (pos < line.size() && line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        return std::string(line.substr(pos + 1, end - pos - 1));
    }
    const std::size_t comma = line.find(',', pos);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    return std::string(line.substr(pos, end - pos));
}

GameStageText ReadGameStage(std::string_view plain) {
    const StageLines lines = SplitStageLines(plain);
    GameStageText stage;
    stage.lineCount = static_cast<int>(lines.lines.size());
    stage.BackgroundName = Utf8(lines.Line(1));
    stage.StageName = Utf8(lines.Line(2));
    stage.PlayerX = RoundHalfEven(NumericValue(lines.Line(3)) * 16);
    stage.PlayerY = RoundHalfEven(NumericValue(lines.Line(4)) * 16);
    stage.TimeLeft = NumericValue(lines.Line(5));
    for (int row = 0; row < kMapRows; ++row) {
        stage.rows[static_cast<std::size_t>(row)] =
            DecodeMapRow(lines.Line(kFirstRowLine + row), kGameRowCells);
    }
    stage.NextStage2 = Utf8(lines.Line(kNextStage2Line));
    stage.NextStage = Utf8(FirstDelimitedField(lines.Line(kNextStageLine)));
    return stage;
}

EditorStageText ReadEditorStage(std::string_view plain) {
    const StageLines lines = SplitStageLines(plain);
    EditorStageText stage;
    stage.lineCount = static_cast<int>(lines.lines.size());
    stage.Text1 = Utf8(lines.Line(1));
    stage.Text2 = Utf8(lines.Line(2));
    stage.STX = RoundHalfEven(NumericValue(lines.Line(3)));
    stage.STY = RoundHalfEven(NumericValue(lines.Line(4)));
    stage.Times = PlainNumberText(NumericValue(lines.Line(5)));
    for (int row = 0; row < kMapRows; ++row) {
        stage.rows[static_cast<std::size_t>(row)] =
            DecodeMapRow(lines.Line(kFirstRowLine + row), kMapColumns);
    }
    stage.Text4 = Utf8(lines.Line(kNextStage2Line));
    stage.Text3 = Utf8(FirstDelimitedField(lines.Line(kNextStageLine)));
    return stage;
}

std::string PlainNumberText(double value) {
    if (!std::isfinite(value) || value == 0) {
        return "0";
    }
    // Shortest fixed-point text that reads back as the same value; never an exponent.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

std::string WriteStageText(const StageFields& fields) {
    std::string text;
    text.reserve(kMapRows * (kMapColumns + 2) + 256);
    const auto addLine = [&text](std::string_view line) {
        text += line;
        text += "\r\n";
    };
    addLine(SingleLine(fields.background));
    addLine(SingleLine(fields.stageName));
    addLine(IndexText(fields.startColumnIndex));
    addLine(IndexText(fields.startRowIndex));
    addLine(SingleLine(fields.timeText));
    for (const auto& row : fields.map) {
        std::string line(kMapColumns, '0');
        for (int column = 0; column < kMapColumns; ++column) {
            line[static_cast<std::size_t>(column)] = SHex(row[static_cast<std::size_t>(column)]);
        }
        addLine(line);
    }
    addLine(NextStageText(fields.nextStage2));
    for (int line = kFirstReservedLine; line < kNextStageLine; ++line) {
        addLine("0");
    }
    addLine(DelimitedNextStageText(fields.nextStage));
    return text;
}

char SHex(int code) {
    if (code >= 0 && code <= 9) {
        return static_cast<char>('0' + code);
    }
    return static_cast<char>(static_cast<unsigned char>(code + 55));
}

}  // namespace tarn

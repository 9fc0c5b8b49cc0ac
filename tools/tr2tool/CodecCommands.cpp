// tr2tool decode and encode: between stage files and their plain text.
#include "support/BinAngsDL.h"
#include "support/Cp932.h"
#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/StageText.h"
#include "support/UserText.h"
#include "tools/tr2tool/Arguments.h"
#include "tools/tr2tool/Commands.h"

namespace tarn::tr2tool {

namespace {

constexpr const char* kDecodeHelp =
    "Usage: tr2tool decode [--utf8] FILE.tr2\n"
    "Prints the plain stage text of a stage file, byte for byte (code page 932, CR LF).\n"
    "\n"
    "  --utf8      convert the text from code page 932 to UTF-8\n"
    "  -h, --help  show this help\n";

constexpr const char* kEncodeHelp =
    "Usage: tr2tool encode [--utf8] [--crlf] [--check] TEXT OUT.tr2\n"
    "Enciphers the plain stage text in TEXT into the stage file OUT.tr2, which ends up\n"
    "exactly one byte longer than the text it holds. OUT.tr2 is replaced as a whole, never\n"
    "left half written; a read-only OUT.tr2 is left as it is.\n"
    "\n"
    "  --utf8      TEXT is UTF-8 (a byte order mark is dropped); convert it to code page\n"
    "              932 first, failing on characters that code page 932 cannot hold\n"
    "  --crlf      end every line with CR LF, as the editor does\n"
    "  --check     refuse to write a stage that has problems (see 'tr2tool check')\n"
    "  -h, --help  show this help\n";

bool ReadTextFile(const std::filesystem::path& file, std::string& text, std::ostream& err) {
    FileReason why;
    const FileStatus status = ReadFileBytes(file, text, kMaxContainerFileBytes, &why);
    if (status == FileStatus::Ok) {
        return true;
    }
    err << "tr2tool: " << ShownPath(file) << ": "
        << (status == FileStatus::TooLarge ? "too large for a stage text"
                                           : DescribeFile(status, why))
        << "\n";
    return false;
}

std::string WithCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 50);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            result += "\r\n";
        } else if (text[i] == '\n') {
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace

int Decode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandLine(args, {"--utf8"}, "decode", err);
    if (!line) {
        return kExitUsage;
    }
    if (line->help) {
        out << kDecodeHelp;
        return kExitOk;
    }
    if (line->operands.size() != 1) {
        ReportUsage("decode", "expects exactly one stage file", err);
        return kExitUsage;
    }
    std::vector<std::uint8_t> plain;
    if (!LoadStage(line->operands[0], plain, err)) {
        return kExitFailed;
    }
    const std::string_view text(reinterpret_cast<const char*>(plain.data()), plain.size());
    if (line->options.contains("--utf8")) {
        out << cp932::ToUtf8(text);
    } else {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    out.flush();
    return out ? kExitOk : kExitFailed;
}

int Encode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandLine(args, {"--utf8", "--crlf", "--check"}, "encode", err);
    if (!line) {
        return kExitUsage;
    }
    if (line->help) {
        out << kEncodeHelp;
        return kExitOk;
    }
    if (line->operands.size() != 2) {
        ReportUsage("encode", "expects a text file and a stage file", err);
        return kExitUsage;
    }
    const std::filesystem::path source = line->operands[0];
    const std::filesystem::path target = line->operands[1];
    std::string text;
    if (!ReadTextFile(source, text, err)) {
        return kExitFailed;
    }
    if (line->options.contains("--utf8")) {
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.erase(0, 3);  // a byte order mark that some editors put first
        }
        auto converted = cp932::FromUtf8Strict(text);
        if (!converted) {
            err << "tr2tool: " << ShownPath(source)
                << ": holds text that is not UTF-8 or has no code page 932 form\n";
            return kExitFailed;
        }
        text = std::move(*converted);
    }
    if (line->options.contains("--crlf")) {
        text = WithCrLf(text);
    }
    if (text.empty()) {
        err << "tr2tool: " << ShownPath(source) << ": empty text; nothing written\n";
        return kExitFailed;
    }
    if (line->options.contains("--check")) {
        const auto problems = CheckStageText(text);
        PrintProblems(source.string(), problems, err);
        if (!problems.empty()) {
            err << "tr2tool: " << ShownPath(target) << " not written\n";
            return kExitFailed;
        }
    }
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    FileReason why;
    const ContainerStatus status = WriteEncipheredFile(target, bytes, &why);
    if (status != ContainerStatus::Ok) {
        err << "tr2tool: " << ShownPath(target) << ": " << Describe(status, why) << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tarn::tr2tool

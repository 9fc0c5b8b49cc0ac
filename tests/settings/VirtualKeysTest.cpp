// Key names and the platform key table.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "settings/SettingsFile.h"
#include "settings/VirtualKeys.h"

namespace tarn::vk {
namespace {

TEST(KeyNameTest, DigitsAndLettersAreTheirCharacters) {
    EXPECT_EQ(KeyName(48), "0");
    EXPECT_EQ(KeyName(57), "9");
    EXPECT_EQ(KeyName(65), "A");
    EXPECT_EQ(KeyName(90), "Z");
}

TEST(KeyNameTest, FunctionKeysHaveASpaceBeforeTheirNumber) {
    EXPECT_EQ(KeyName(112), "F 1");
    EXPECT_EQ(KeyName(121), "F 10");
    EXPECT_EQ(KeyName(123), "F 12");
}

TEST(KeyNameTest, NamedKeys) {
    const std::tuple<int, const char*> cases[] = {
        {27, "ESC"},
        {16, "Shift"},
        {9, "TAB"},
        {17, "Ctrl"},
        {18, "Alt"},
        {32, "SPACE"},
        {8, "BackSpace"},
        {28, "前候補"},
        {29, "無変換"},
        {242, "カタカナひらがな"},
        {93, "ポップアップ"},
        {92, "Winボタン"},
        {45, "Insert"},
        {36, "Home"},
        {33, "PageUP"},
        {34, "PageDown"},
        {46, "Delete"},
        {35, "END"},
        {144, "NumLock"},
        {111, "/"},
        {191, "/"},
        {220, "\\"},
        {226, "\\"},
        {190, "."},
        {38, "↑"},
        {40, "↓"},
        {37, "←"},
        {39, "→"},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(KeyName(code), name) << code;
    }
}

TEST(KeyNameTest, CommaKeyShowsAComma) {
    EXPECT_EQ(KeyName(188), ",");
}

TEST(KeyNameTest, KeypadDigitsShowTheirOwnCharacters) {
    EXPECT_EQ(KeyName(96), "`");
    const char* letters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(KeyName(96 + d), letters[d - 1]) << d;
    }
}

TEST(KeyNameTest, OtherCodesShowTheirCodePage932Character) {
    EXPECT_EQ(KeyName(106), "j");  // keypad *
    EXPECT_EQ(KeyName(91), "[");   // left Windows key
    EXPECT_EQ(KeyName(186), "ｺ");  // 0xBA, half-width katakana
    EXPECT_EQ(KeyName(0xA1), "｡");
    EXPECT_EQ(KeyName(0xDF), "ﾟ");
}

TEST(KeyNameTest, ZeroAndLoneLeadBytesHaveNoName) {
    EXPECT_EQ(KeyName(0), "");
    EXPECT_EQ(KeyName(0x81), "");
    EXPECT_EQ(KeyName(0xE0), "");
    EXPECT_EQ(KeyName(0xFC), "");
    EXPECT_EQ(KeyName(-1), "");
    EXPECT_EQ(KeyName(256), "");
}

TEST(KeyNameTest, EverySingleByteCharacterHasAName) {
    for (int code = 1; code < 256; ++code) {
        if (!(code >= 0x81 && code <= 0x9F) && !(code >= 0xE0 && code <= 0xFC)) {
            EXPECT_FALSE(KeyName(code).empty()) << code;
        }
    }
}

TEST(ReadableKeyNameTest, KeypadKeysSayTheyAreOnTheKeypad) {
    EXPECT_EQ(ReadableKeyName(96), "テンキー0");
    EXPECT_EQ(ReadableKeyName(97), "テンキー1");
    EXPECT_EQ(ReadableKeyName(105), "テンキー9");
    EXPECT_EQ(ReadableKeyName(106), "テンキー*");
    EXPECT_EQ(ReadableKeyName(111), "テンキー/");
}

TEST(ReadableKeyNameTest, LockAndWindowsKeysHaveTheirNames) {
    EXPECT_EQ(ReadableKeyName(20), "CapsLock");
    EXPECT_EQ(ReadableKeyName(91), "左Win");
    EXPECT_EQ(ReadableKeyName(92), "右Win");
    EXPECT_EQ(ReadableKeyName(144), "NumLock");
    EXPECT_EQ(ReadableKeyName(13), "Enter");
}

TEST(ReadableKeyNameTest, PunctuationKeysShowTheirPrintedCharacter) {
    EXPECT_EQ(ReadableKeyName(186), ";");
    EXPECT_EQ(ReadableKeyName(188), ",");
    EXPECT_EQ(ReadableKeyName(219), "[");
    EXPECT_EQ(ReadableKeyName(222), "'");
}

TEST(ReadableKeyNameTest, LettersDigitsFunctionKeysAndArrowsKeepTheirClassicNames) {
    for (int code : {48, 57, 65, 90, 112, 123, 27, 32, 37, 38, 39, 40, 8, 9}) {
        EXPECT_EQ(ReadableKeyName(code), KeyName(code)) << code;
    }
    EXPECT_EQ(ReadableKeyName(135), "F 24");
}

TEST(ReadableKeyNameTest, CodesWithoutAKeyShowTheirNumber) {
    EXPECT_EQ(ReadableKeyName(7), "コード 7");
    EXPECT_EQ(ReadableKeyName(255), "コード 255");
    EXPECT_EQ(ReadableKeyName(0), "");
    EXPECT_EQ(ReadableKeyName(256), "");
    EXPECT_EQ(ReadableKeyName(-1), "");
}

TEST(ReadableKeyNameTest, EveryCodeHasItsOwnName) {
    std::set<std::string> names;
    for (int code = 1; code < 256; ++code) {
        const std::string name = ReadableKeyName(code);
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_TRUE(names.insert(name).second) << code << " " << name;
    }
}

struct Key {
    std::uint32_t usb;
    std::uint32_t evdev;
    std::uint32_t keysym;
    int code;
};

// Each key by its USB usage, its Linux input code and its X11 keysym.
constexpr Key kKnownKeys[] = {
    {4, 30, 'a', 65},       {29, 44, 'z', 90},      {16, 50, 'm', 77},      {30, 2, '1', 49},
    {39, 11, '0', 48},      {58, 59, 0xffbe, 112},  {67, 68, 0xffc7, 121},  {68, 87, 0xffc8, 122},
    {69, 88, 0xffc9, 123},  {80, 105, 0xff51, 37},  {82, 103, 0xff52, 38},  {79, 106, 0xff53, 39},
    {81, 108, 0xff54, 40},  {40, 28, 0xff0d, 13},   {88, 96, 0xff8d, 13},   {41, 1, 0xff1b, 27},
    {44, 57, ' ', 32},      {43, 15, 0xff09, 9},    {42, 14, 0xff08, 8},    {225, 42, 0xffe1, 16},
    {229, 54, 0xffe2, 16},  {224, 29, 0xffe3, 17},  {228, 97, 0xffe4, 17},  {226, 56, 0xffe9, 18},
    {230, 100, 0xffea, 18}, {73, 110, 0xff63, 45},  {76, 111, 0xffff, 46},  {74, 102, 0xff50, 36},
    {77, 107, 0xff57, 35},  {75, 104, 0xff55, 33},  {78, 109, 0xff56, 34},  {98, 82, 0xffb0, 96},
    {89, 79, 0xffb1, 97},   {97, 73, 0xffb9, 105},  {85, 55, 0xffaa, 106},  {87, 78, 0xffab, 107},
    {86, 74, 0xffad, 109},  {99, 83, 0xffae, 110},  {84, 98, 0xffaf, 111},  {83, 69, 0xff7f, 144},
    {51, 39, ';', 186},     {46, 13, '=', 187},     {54, 51, ',', 188},     {45, 12, '-', 189},
    {55, 52, '.', 190},     {56, 53, '/', 191},     {53, 41, '`', 192},     {47, 26, '[', 219},
    {49, 43, '\\', 220},    {48, 27, ']', 221},     {52, 40, '\'', 222},    {138, 92, 0xff23, 28},
    {139, 94, 0xff22, 29},  {136, 93, 0xff27, 242}, {227, 125, 0xffeb, 91}, {231, 126, 0xffec, 92},
    {101, 127, 0xff67, 93}, {72, 119, 0xff13, 19},  {57, 58, 0xffe5, 20},
};

TEST(FromPlatformKeyTest, UsbUsageEvdevCodeAndKeysymOfAKeyGiveTheSameCode) {
    for (const Key& key : kKnownKeys) {
        EXPECT_EQ(FromPlatformKey({.usbUsage = key.usb}), key.code) << "usb " << key.usb;
        EXPECT_EQ(FromPlatformKey({.evdevCode = key.evdev}), key.code) << "evdev " << key.evdev;
        EXPECT_EQ(FromPlatformKey({.x11Keysym = key.keysym}), key.code) << "keysym " << key.keysym;
    }
}

TEST(FromPlatformKeyTest, JisRoAndYenKeysAreKnownByPosition) {
    EXPECT_EQ(FromPlatformKey({.usbUsage = 135}), 226);
    EXPECT_EQ(FromPlatformKey({.evdevCode = 89}), 226);
    EXPECT_EQ(FromPlatformKey({.usbUsage = 137}), 220);
    EXPECT_EQ(FromPlatformKey({.evdevCode = 124}), 220);
}

TEST(FromPlatformKeyTest, PositionWinsOverKeysym) {
    // A French layout reports "a" on the key where QWERTY has Q.
    EXPECT_EQ(FromPlatformKey({.usbUsage = 20, .x11Keysym = 'a'}), 'Q');
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 'a', .evdevCode = 16}), 'Q');
    EXPECT_EQ(FromPlatformKey({.usbUsage = 4, .evdevCode = 16}), 'A');
}

TEST(FromPlatformKeyTest, UpperCaseLetterKeysymIsTheLetter) {
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 'A'}), 65);
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 'Z'}), 90);
}

TEST(FromPlatformKeyTest, KeypadWithNumLockOffGivesTheKeysItDoubles) {
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 0xff95}), 36);  // KP_Home
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 0xff9f}), 46);  // KP_Delete
}

TEST(FromPlatformKeyTest, UnknownKeysGiveNothing) {
    EXPECT_EQ(FromPlatformKey({}), std::nullopt);
    EXPECT_EQ(FromPlatformKey({.usbUsage = 0x3ff}), std::nullopt);
    EXPECT_EQ(FromPlatformKey({.x11Keysym = 0x1008ff11}), std::nullopt);  // volume down
}

TEST(FromPlatformKeyTest,
     EveryMappedKeyHasANameAndOnlyEnterNumLockScrollLockKanaAndRoAreUnstorable) {
    std::set<int> unstorable;
    for (std::uint32_t usb = 1; usb < 256; ++usb) {
        if (const auto code = FromPlatformKey({.usbUsage = usb})) {
            if (IsStorableKeyCode(*code)) {
                EXPECT_FALSE(KeyName(*code).empty()) << "usb " << usb;
            } else {
                unstorable.insert(*code);
            }
        }
    }
    EXPECT_EQ(unstorable, (std::set<int>{13, 144, 145, 226, 242}));
}

TEST(FromPlatformKeyTest, EveryMappedKeyHasAReadableName) {
    for (std::uint32_t usb = 1; usb < 256; ++usb) {
        if (const auto code = FromPlatformKey({.usbUsage = usb})) {
            EXPECT_EQ(ReadableKeyName(*code).find("コード"), std::string::npos) << "usb " << usb;
        }
    }
}

}  // namespace
}  // namespace tarn::vk

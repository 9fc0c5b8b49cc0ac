// Masked sprites, digit strips, random numbers and number texts.
#include "support/HEXRNDData.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <string>

namespace tarn {

void HEXRNDData::MaskBilt(Surface& FeeldPicture, const Surface& sPicture,
                          const Surface& MaskPicture, int nWidth, int nHeight, int PicLeft,
                          int PicTop, int MaskLeft, int MaskTop) {
    BitBlt(FeeldPicture, PicLeft, PicTop, nWidth, nHeight, MaskPicture, MaskLeft, MaskTop,
           RasterOp::SrcAnd);
    BitBlt(FeeldPicture, PicLeft, PicTop, nWidth, nHeight, sPicture, MaskLeft, MaskTop,
           RasterOp::SrcPaint);
}

void HEXRNDData::PointBilt(std::int32_t& Points, int MaxLen, Surface& FeeldPicture,
                           const Surface& sPicture, const Surface& MaskPicture, int oneWidth,
                           int oneHeight, int PicLeft, int PicTop) {
    if (MaxLen <= 0) {
        return;
    }
    long long limit = 1;
    for (int i = 0; i < MaxLen && limit <= 10'000'000'000LL; ++i) {
        limit *= 10;
    }
    limit -= 1;
    if (Points > limit) {
        Points = std::int32_t(limit);
    }
    // A negative score is drawn as zero.
    long long value = Points < 0 ? 0 : Points;
    for (int i = MaxLen - 1; i >= 0; --i) {
        const int digit = int(value % 10);
        value /= 10;
        MaskBilt(FeeldPicture, sPicture, MaskPicture, oneWidth, oneHeight, PicLeft + oneWidth * i,
                 PicTop, oneWidth * digit, 0);
    }
}

std::int32_t HEXRNDData::RndL(std::int32_t Min, std::int32_t Max) {
    if (Min >= Max) {
        return 0;
    }
    static std::mt19937_64 engine(
        std::random_device{}() ^
        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::int64_t> distribution(Min, Max);
    return std::int32_t(distribution(engine));
}

std::string HEXRNDData::Hex2(std::uint8_t I) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[I >> 4], kDigits[I & 0x0F]};
}

std::string HEXRNDData::Run00x(std::int32_t Number, std::int32_t Member) {
    std::string text = std::to_string(Number);
    const long long places = Member;
    if (static_cast<long long>(text.size()) < places) {
        return std::string(std::size_t(places) - text.size(), '0') + text;
    }
    if (static_cast<long long>(text.size()) > places) {
        return std::string(std::size_t(std::max<long long>(places, 0)), '9');
    }
    return text;
}

namespace {

std::optional<std::u16string> Shift(std::u16string_view text, long long key) {
    std::u16string shifted;
    shifted.reserve(text.size());
    for (const char16_t c : text) {
        const long long code = static_cast<long long>(c) + key;
        if (code < 0 || code > 0xFFFF) {
            return std::nullopt;
        }
        shifted.push_back(char16_t(code));
    }
    return shifted;
}

}  // namespace

std::optional<std::u16string> HEXRNDData::StrAscEnCode(std::u16string_view StrDaTa,
                                                       std::int32_t Key) {
    return Shift(StrDaTa, Key);
}

std::optional<std::u16string> HEXRNDData::StrAscDeCode(std::u16string_view StrDaTa,
                                                       std::int32_t Key) {
    if (StrDaTa.size() > 32767) {
        return std::nullopt;
    }
    return Shift(StrDaTa, -static_cast<long long>(Key));
}

}  // namespace tarn

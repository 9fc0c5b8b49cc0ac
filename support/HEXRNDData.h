// Small stateless helpers shared by the game and the editor: masked sprite drawing,
// digit-strip numbers, a bounded random integer and fixed-width number texts.
//
// Masks: black marks opaque pixels and white transparent ones; in the matching sprite,
// transparent pixels are black. A sprite and its mask share one layout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/Surface.h"

namespace tarn {

class HEXRNDData {
  public:
    // Mask with AND, then sprite with OR, both read at (MaskLeft, MaskTop).
    static void MaskBilt(Surface& FeeldPicture, const Surface& sPicture, const Surface& MaskPicture,
                         int nWidth, int nHeight, int PicLeft, int PicTop, int MaskLeft,
                         int MaskTop);

    // Draws Points as MaxLen digits from a digit strip (glyphs 0..9 side by side);
    // a value above MaxLen nines is lowered to that limit in the caller's variable.
    static void PointBilt(std::int32_t& Points, int MaxLen, Surface& FeeldPicture,
                          const Surface& sPicture, const Surface& MaskPicture, int oneWidth,
                          int oneHeight, int PicLeft, int PicTop);

    // A value from Min to Max inclusive, or 0 unless Min < Max.
    std::int32_t RndL(std::int32_t Min, std::int32_t Max);

    static std::string Hex2(std::uint8_t I);

    // Decimal text of Number in exactly Member places: zero-padded, or Member nines
    // when it does not fit.
    static std::string Run00x(std::int32_t Number, std::int32_t Member);

    // Shifts every 16-bit character code by Key; nothing when a code leaves 0..65535.
    static std::optional<std::u16string> StrAscEnCode(std::u16string_view StrDaTa,
                                                      std::int32_t Key);
    // Shifts back; nothing for texts over 32767 characters or codes leaving 0..65535.
    static std::optional<std::u16string> StrAscDeCode(std::u16string_view StrDaTa,
                                                      std::int32_t Key);
};

}  // namespace tarn

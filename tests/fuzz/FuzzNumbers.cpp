// The lenient conversions take any text without NaN, and a number the dialogs wrote reads back.

#include <cmath>

#include "FuzzInput.h"
#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choice = input.Byte();
    InitNumberConversion(choice & 1 ? 0x07 : 0x09);  // may disagree with the locale below
    const char locale = choice & 2 ? ',' : '.';
    const std::string text(input.rest);
    LenientStrToInt(text);  // its type holds the range; the sanitizers check the way there
    Check(!std::isnan(LenientStrToFloat(text)) && !std::isnan(LenientStrToFloat(text, locale)));
    // A field the program filled and the operator left keeps its value (one decimal).
    const double shown = LenientStrToFloat(text, '.');
    if (std::isfinite(shown) && std::fabs(shown) < 100)
        Check(std::fabs(LenientStrToFloat(EditFieldText(shown, locale), locale) - shown) <=
              0.05 + 1e-9);
    return 0;
}

// The lenient conversions never fail: any text gives a number, never NaN, and an integer
// within its 16 bits; a number the dialogs wrote reads back.

#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choice = input.Byte();
    // The language table and the locale may disagree about the separator.
    InitNumberConversion(choice & 1 ? 0x07 : 0x09);
    const char locale = choice & 2 ? ',' : '.';
    const std::string text(input.Rest());

    LenientStrToInt(text);  // its type holds the range; the sanitizers check the way there
    for (const double value : {LenientStrToFloat(text), LenientStrToFloat(text, locale)})
        if (std::isnan(value)) std::abort();
    const double shown = LenientStrToFloat(text, '.');
    if (std::isfinite(shown) && std::fabs(shown) < 100) {
        // A field filled by the program and closed untouched keeps its value (one decimal).
        const double back = LenientStrToFloat(EditFieldText(shown, locale), locale);
        if (std::fabs(back - shown) > 0.05 + 1e-9) std::abort();
    }
    return 0;
}

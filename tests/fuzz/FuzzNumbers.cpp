// The lenient conversions take any text, whichever separator the language and locale choose.

#include <cmath>

#include "FuzzInput.h"
#include "dialogs/NumberConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choice = input.Byte();
    InitNumberConversion(choice & 1 ? 0x07 : 0x09);
    const std::string text(input.rest);
    LenientStrToInt(text);  // its type holds the range; the sanitizers check the way there
    Check(!std::isnan(LenientStrToFloat(text)) &&
          !std::isnan(LenientStrToFloat(text, choice & 2 ? ',' : '.')));
    return 0;
}

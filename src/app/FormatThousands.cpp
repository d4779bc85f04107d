#include "app/FormatThousands.h"

namespace tavrix {

std::wstring FormatThousands(std::int32_t number) {
    std::wstring digits = std::to_wstring(number);
    if (number < 1000) {
        return digits;
    }
    std::wstring grouped;
    std::size_t lead = digits.size() % 3;
    if (lead == 0) {
        lead = 3;
    }
    grouped.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        grouped += L' ';
        grouped.append(digits, i, 3);
    }
    return grouped;
}

} // namespace tavrix

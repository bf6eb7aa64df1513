// The AA parse against a plain model of the rule: blanks, one sign, then a
// decimal number in the 32-bit range or at most 8 significant hexadecimal
// digits after $, 0x, 0X, x or X; true for any non-zero number.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/settings.h"

namespace {

bool model(const std::string& in)
{
    std::string s = in.substr(std::min(in.find_first_not_of(' '), in.size()));
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    std::string digits;
    bool hex = true;
    if (s.rfind("0x", 0) == 0 || s.rfind("0X", 0) == 0) digits = s.substr(2);
    else if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) digits = s.substr(1);
    else { digits = s; hex = false; }
    if (digits.empty())
        return false;
    for (char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
            return false;
    const std::string significant = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    if (hex)
        return significant.size() <= 8 && !significant.empty();
    if (significant.size() > 10)
        return false;
    std::int64_t v = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), v);
    if (negative ? v > 2147483648LL : v > 2147483647LL)
        return false;
    return v != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string value(reinterpret_cast<const char*>(data), size);
    if (parse_auto_enable(value) != model(value))
        std::abort();
    return 0;
}

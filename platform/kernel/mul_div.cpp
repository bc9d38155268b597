// MulDiv: number * numerator / denominator with a 64-bit intermediate, rounded half away from
// zero, and -1 when the denominator is zero or the result does not fit (as Windows reports both).

#include <windows.h>

#include <cstdint>

int WINAPI MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0)
    {
        product = -product;
        divisor = -divisor;
    }
    std::int64_t half = divisor / 2;
    std::int64_t result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    // Windows reports INT_MIN as an overflow too, so the valid range is symmetric.
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return static_cast<int>(result);
}

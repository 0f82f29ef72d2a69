#include "screen/FontSizes.h"

#include <climits>

namespace {

const int PointsPerInch = 72;
const int CommonPixelsPerInch = 96;

int Resolution(int pixelsPerInch) {
    return pixelsPerInch > 0 ? pixelsPerInch : CommonPixelsPerInch;
}

int Limited(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < -INT_MAX) return -INT_MAX;
    return static_cast<int>(value);
}

} // namespace

int MulDivRounded(int a, int b, int c) {
    if (c == 0) return 0;
    long long product = static_cast<long long>(a) * b;
    long long divisor = c;
    int negative = (product < 0) != (divisor < 0);
    if (product < 0) product = -product;
    if (divisor < 0) divisor = -divisor;
    long long quotient = (product + divisor / 2) / divisor;
    return Limited(negative ? -quotient : quotient);
}

int FontHeightForPoints(int points, int pixelsPerInch) {
    return -MulDivRounded(points, Resolution(pixelsPerInch), PointsPerInch);
}

int PointsOfMetrics(int height, int internalLeading, int pixelsPerInch) {
    int pixels = Limited(static_cast<long long>(height) - internalLeading);
    return MulDivRounded(pixels, PointsPerInch, Resolution(pixelsPerInch));
}

int PointsOfFontHeight(int fontHeight, int pixelsPerInch) {
    int pixels = fontHeight == INT_MIN ? INT_MAX : (fontHeight < 0 ? -fontHeight : fontHeight);
    return MulDivRounded(pixels, PointsPerInch, Resolution(pixelsPerInch));
}

#include "model/LineFit.h"

TLineFit TLineFit::Of(const std::vector<std::pair<double, double>>& points, const TLineFit& previous) {
    if (points.size() < 2)
        return {};
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (const auto& [x, y] : points) {
        sx += x;
        sy += y;
        sxx += x * x;
        syy += y * y;
        sxy += x * y;
    }
    const auto n = static_cast<double>(points.size());
    const double d = n * sxx - sx * sx;
    if (d == 0)
        return previous;
    TLineFit fit;
    fit.a = (n * sxy - sx * sy) / d;
    fit.b = (sxx * sy - sxy * sx) / d;
    const double e = n * syy - sy * sy;
    fit.c = e != 0 ? 100 * fit.a * (n * sxy - sx * sy) / e : 0;
    return fit;
}

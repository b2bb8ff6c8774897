#pragma once

#include <utility>
#include <vector>

// The least-squares line y = a·x + b through calibration points, with c the coefficient of
// determination in percent.
struct TLineFit {
    double a = 1;
    double b = 0;
    double c = 0;

    bool IsDefault() const { return a == 1 && b == 0; }

    // Fewer than two points give the default line; points whose x are all equal keep `previous`.
    static TLineFit Of(const std::vector<std::pair<double, double>>& points, const TLineFit& previous);
};

#include "dsp/Curve.h"

Curve::Curve(std::initializer_list<std::pair<double, double>> list) : points(list) {}

double Curve::at(double t) const {
    if (points.empty()) {
        return 0;
    }
    if (t <= points.front().first) {
        return points.front().second;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (t < points[i].first) {
            const auto& [t0, v0] = points[i - 1];
            const auto& [t1, v1] = points[i];
            const double x = (t - t0) / (t1 - t0);
            const double eased = x * x * (3.0 - 2.0 * x);
            return v0 + (v1 - v0) * eased;
        }
    }
    return points.back().second;
}

#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_CURVE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_CURVE_H

#include <initializer_list>
#include <utility>
#include <vector>

// A value that changes over time through given points, eased between them
// with a smoothstep so that no control jumps or bends sharply. Before the
// first point and after the last the end values hold.
class Curve {
  public:
    // Points as (time, value), times strictly increasing.
    Curve(std::initializer_list<std::pair<double, double>> points);

    double at(double t) const;

  private:
    std::vector<std::pair<double, double>> points;
};

#endif

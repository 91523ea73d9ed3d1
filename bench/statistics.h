#pragma once

#include <vector>

namespace bench {

// The value below which the fraction `p` (0 to 1) of the samples lie, by the nearest rank.
double percentile(std::vector<double> samples, double p);

inline double median(const std::vector<double> &samples)
{
    return percentile(samples, 0.5);
}

} // namespace bench

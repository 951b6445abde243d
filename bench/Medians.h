#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// Benchmarks report the median of several runs, so one slow run (a page fault, another process)
// does not move the figure.
namespace Medians {

constexpr int Runs = 31;

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of `run(i)` for i = 0..runs-1: the median.
template <typename F> double medianMs(F run, int runs = Runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

} // namespace Medians

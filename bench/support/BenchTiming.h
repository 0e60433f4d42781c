#pragma once

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

inline double median(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    return t.empty() ? 0.0 : t[t.size() / 2];
}

// Median wall time of a few runs, in seconds.
inline double medianSeconds(int runs, const std::function<void()> &work)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        t.push_back(timer.nsecsElapsed() / 1e9);
    }
    return median(t);
}

inline double medianMs(int runs, const std::function<void()> &work) { return medianSeconds(runs, work) * 1000.0; }

inline double peakMegabytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

inline void report(const char *what, double ours, double bare, double target)
{
    std::printf("%-44s median %.3f s   bare limit %.3f s   ratio %.2f   target %.2f s: %s\n", what, ours, bare,
                bare > 0 ? ours / bare : 0.0, target, ours <= target ? "met" : "MISSED");
    std::fflush(stdout);
}

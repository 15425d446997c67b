#pragma once

#include <time.h>

#include <chrono>

// Wall and processor time of one side of a comparison. On a machine shared with other work the
// wall time stretches with the load; the processor time of this process much less so.
namespace varmio::bench {

class Stopwatch {
  public:
    void start() {
        wallStart_ = std::chrono::steady_clock::now();
        cpuStart_ = cpuNow();
    }
    void stop() {
        wallMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart_)
                .count();
        cpuMs += cpuNow() - cpuStart_;
    }
    double wallMs = 0;
    double cpuMs = 0;

  private:
    static double cpuNow() {
        timespec now{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    std::chrono::steady_clock::time_point wallStart_;
    double cpuStart_ = 0;
};

}  // namespace varmio::bench

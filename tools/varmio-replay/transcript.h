#pragma once

#include <ostream>
#include <string_view>

namespace varmio::replay {

// The run's record on standard output: one line per event, flushed at once so that a run that
// stops still shows everything up to the stop.
class Transcript {
  public:
    explicit Transcript(std::ostream& out) : out_(out) {}
    void line(std::string_view text) { out_ << text << '\n' << std::flush; }

  private:
    std::ostream& out_;
};

}  // namespace varmio::replay

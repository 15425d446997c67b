#include "hive.h"

#include <utility>

namespace varmio {

HiveError::HiveError(std::filesystem::path file, std::string reason)
    : std::runtime_error(file.string() + ": " + reason),
      file_(std::move(file)),
      reason_(std::move(reason)) {}

}  // namespace varmio

#pragma once

#include <gtest/gtest.h>

#include "platform/sqlite_hive.h"
#include "support/temp_dir.h"

namespace varmio {

// A test with a fresh hive file of its own.
class HiveFixture : public ::testing::Test {
  protected:
    TempDir dir_;
    SqliteHive hive_{dir_.path() / "registry.db"};
};

}  // namespace varmio

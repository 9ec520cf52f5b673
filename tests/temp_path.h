// A file name under the temporary folder that no other test process uses at the same time:
// CTest runs the tests of one suite side by side, and the plain and sanitizer builds may too.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace quarrion::testing_support {

inline std::string UniqueTempPath(const std::string& stem, const std::string& extension = "") {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = stem + "-" + std::to_string(getpid());
  if (info != nullptr) name += std::string("-") + info->test_suite_name() + "-" + info->name();
  return (std::filesystem::temp_directory_path() / (name + extension)).string();
}

}  // namespace quarrion::testing_support

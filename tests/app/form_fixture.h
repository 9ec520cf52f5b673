// The main window made in a program folder of its own, with the built default media and caves.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <filesystem>
#include <memory>
#include <string>

#include "app/quarrion_form.h"
#include "tests/app/qt_application.h"
#include "tests/temp_path.h"

namespace quarrion::testing {

namespace fs = std::filesystem;

// A program folder of its own, with the built default media and caves beside it.
class FormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }
  void SetUp() override {
    folder_ = testing_support::UniqueTempPath("quarrion-form");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const fs::path bin = QUARRION_BIN_DIR;
    if (!fs::exists(bin / "data/standard/Fonts.dxg")) GTEST_SKIP() << "the default media are not built";
    fs::create_directory_symlink(bin / "data", folder_ / "data");
    if (fs::exists(bin / "Levels")) fs::copy(bin / "Levels", folder_ / "Levels", fs::copy_options::recursive);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{});
    ASSERT_TRUE(form_->Creation());
    form_->CreateDialogs();
  }
  void TearDown() override {
    form_.reset();
    fs::remove_all(folder_);
  }
  // The window made again as if started with the default cave set on the command line; the
  // caller returns when this skipped or failed.
  void RestartWithDefaultSet() {
    const std::string caveSet = (folder_ / "Levels" / "Quarrion.qcv").string();
    if (!fs::exists(caveSet)) GTEST_SKIP() << "no default cave set built";
    form_.reset();
    form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{caveSet});
    ASSERT_TRUE(form_->Creation());
    form_->CreateDialogs();
  }
  QString Caption(const char* action) const {
    auto* found = form_->findChild<QAction*>(action);
    return found != nullptr ? found->text() : QString("<missing %1>").arg(action);
  }
  QMenu* Menu(const char* name) const { return form_->findChild<QMenu*>(name); }

  fs::path folder_;
  std::unique_ptr<TQuarrionForm> form_;
};

}  // namespace quarrion::testing

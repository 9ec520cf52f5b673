// The one QApplication of a test process, made by the first suite that needs widgets.
#pragma once
#include <QApplication>

namespace quarrion::testing_support {

inline void EnsureQtApplication() {
  static int argc = 1;
  static char name[] = "quarrion_app_tests";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

}  // namespace quarrion::testing_support

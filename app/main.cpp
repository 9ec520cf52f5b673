// The program: the main window first (its creation runs the start-up), then the dialogs, then
// the message loop until the window closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/quarrion_form.h"
#include "app/sdl_audio.h"

namespace {

std::string ProgramFolder(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::canonical("/proc/self/exe", error);
  if (!error) return self.parent_path().string();
  return std::filesystem::absolute(argv0).parent_path().string();
}

// An error no handler caught is shown with its own text, and then the program ends.
class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      QMessageBox::critical(nullptr, "Quarrion", QString::fromUtf8(error.what()));
    } catch (...) {
      QMessageBox::critical(nullptr, "Quarrion", "Unexpected error");
    }
    exit(1);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  GuardedApplication app(argc, argv);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  int result = 1;
  {
    quarrion::TQuarrionForm form(ProgramFolder(argv[0]), arguments);
    if (!form.Creation()) return 1;  // a default pack is missing: nothing can be shown
    form.CreateDialogs();
    form.show();
    form.activateWindow();
    result = app.exec();
  }
  quarrion::CloseAudio();
  return result;
}

// The window's script runner: keys, menu commands and screenshots played in from the
// environment, so the game can be looked at without a person.
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QKeyEvent>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/quarrion_form.h"

namespace quarrion {

// QUARRION_SCRIPT="wait 3000; key Space; hold Right; wait 800; release Right; shot /tmp/a.png; quit"
// (also "menu OBJECTNAME", "screen FILE" for the whole display, "close" for the dialog in front)
// plays keys into the window and takes screenshots, so the game can be looked at without a person.
void TQuarrionForm::RunScript() {
  const QString script = QProcessEnvironment::systemEnvironment().value("QUARRION_SCRIPT");
  if (script.isEmpty()) return;
  // a virtual display has no window manager to make the window active
  QTimer::singleShot(0, this, [this] { FocusChanged(true); });
  auto steps = std::make_shared<QStringList>(script.split(';', Qt::SkipEmptyParts));
  auto next = std::make_shared<std::function<void()>>();
  // the step holds itself only weakly: the pending timer owns it, so nothing is left once it quits
  *next = [this, steps, self = std::weak_ptr<std::function<void()>>(next)] {
    while (!steps->isEmpty()) {
      const QStringList words = steps->takeFirst().trimmed().split(' ', Qt::SkipEmptyParts);
      if (words.isEmpty()) continue;
      const QString verb = words[0];
      const QString arg = words.size() > 1 ? words[1] : QString();
      if (verb == "wait") {
        QTimer::singleShot(arg.toInt(), this, [next = self.lock()] { (*next)(); });
        return;
      }
      if (verb == "quit") {
        QApplication::quit();
        return;
      }
      if (verb == "shot") {
        grab().save(arg);
        continue;
      }
      if (verb == "screen") {  // the whole display, dialogs included
        if (QScreen* display = QGuiApplication::primaryScreen()) display->grabWindow(0).save(arg);
        continue;
      }
      if (verb == "menu") {  // a menu command by its object name, as if clicked
        const auto found = actions_.find(arg.toStdString());
        if (found != actions_.end()) QTimer::singleShot(0, found->second, &QAction::trigger);
        continue;
      }
      if (verb == "close") {  // the dialog in front, if any
        if (QWidget* front = QApplication::activeModalWidget()) front->close();
        continue;
      }
      const QKeySequence sequence = QKeySequence::fromString(arg);
      if (sequence.isEmpty()) continue;
      const int key = sequence[0].key();
      if (verb == "key" || verb == "hold") {
        QKeyEvent press(QEvent::KeyPress, key, sequence[0].keyboardModifiers());
        keyPressEvent(&press);
      }
      if (verb == "key" || verb == "release") {
        QKeyEvent release(QEvent::KeyRelease, key, sequence[0].keyboardModifiers());
        keyReleaseEvent(&release);
      }
    }
  };
  QTimer::singleShot(0, this, [next] { (*next)(); });
}

}  // namespace quarrion

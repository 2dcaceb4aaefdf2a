// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Start-up exactly as the program does it, up to the first painting of the
// main window; then the process ends. The start-up benchmark launches it,
// since the program itself runs until its window is closed.
//
// Exit status 0 once the window has been painted, 2 when it never was.
// When TARVEL_PEAK_FD names an open file descriptor, the peak resident size
// of the process (VmHWM, in KiB) is written to it at the end; nothing else
// is ever written.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/StartUp.h"

namespace {

// Ends the event loop once the first painting of the window is complete.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      // Queued, so that the children and the flush to the screen come first.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

// The peak of this process's own memory since it started, which the
// launching process cannot learn from wait4: a child made by vfork or fork
// starts out with its parent's peak.
void ReportPeak() {
  bool ok = false;
  const int fd = qEnvironmentVariableIntValue("TARVEL_PEAK_FD", &ok);
  if (!ok) return;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) {
      const std::string kib = std::to_string(std::stol(line.substr(6)));
      if (write(fd, kib.data(), kib.size()) < 0) return;
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  tarvel::SetUpApplication();
  tarvel::TWindows windows;
  FirstPaint firstPaint;
  windows.Form1.installEventFilter(&firstPaint);
  windows.Form1.show();
  QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(2); });
  const int status = QApplication::exec();
  ReportPeak();
  return status;
}

// The program's application object. An exception that escapes an event handler would
// otherwise unwind through Qt's event loop, which is not made for it, and end the program
// without a word. Here every event goes through one handler that catches it, tells the
// user in a message box what went wrong, and ends the program cleanly: the event loop
// returns with exit code 1 and every window is destroyed in order.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace vesparo {

class VesparoApplication : public QApplication {
  Q_OBJECT

 public:
  VesparoApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Runs start() (which creates and shows the first window) and then the event loop, and
  // returns the program's exit code. An exception from start() is reported like one from
  // an event handler.
  int koer(const std::function<void()>& start);

  // The message shown for an unexpected error; what() of the exception, when there is one.
  static QString FejlTekst(const QString& hvad);

 private:
  void rapporter(const QString& hvad);

  bool rapporterer_ = false;
};

}  // namespace vesparo

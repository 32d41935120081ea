// Test automation of the real program, for the end-to-end tests (tests/e2e) and the
// whole-process start-up benchmark (bench/bench_startup.cpp).
//
// Linked into the executable only by builds that build the tests (never into the Debian
// package, whose build has no tests), and inert even there unless the environment variable
// VESPARO_AUTOMATION is exactly "stdin". Then, and only then, the program
//  - takes commands on its own standard input, one per line (words separated by one blank),
//    and answers each with exactly one line "@@ {json}" on its standard output;
//  - reports "@@ {"haendelse":"foerste billede",...}" when the main window has shown its
//    first frame (see first_frame.h).
// It opens no file and no socket and runs nothing: it only does what a user at the keyboard
// could do (press keys in a control, move a scroll bar, choose a menu entry or a command,
// press OK in a message box, close a window), on the user-interface thread, between events,
// and it reports what the user would see.
//
// Commands:
//   tilstand                      visible windows, message boxes, scroll bars, text boxes,
//                                 circles
//   saet <scroll bar> <n>         set a scroll bar's position, as a drag of its thumb ends
//   tast <control> <key>          press and release a key (Qt's key names: Right, PageUp)
//   handling <window>/<action>    choose a menu entry or menu-bar command of a window
//   ok                            press OK in the message box in front
//   luk <window>                  close a window with its close box
#include "tests/e2e/hook/first_frame.h"

#include "ui/platform/circle_shape.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>

#include <unistd.h>

namespace vesparo::automation {
namespace {

QElapsedTimer& SinceStart() {
  static QElapsedTimer t;
  return t;
}

void Reply(const QJsonObject& o) {
  const QByteArray line = "@@ " + QJsonDocument(o).toJson(QJsonDocument::Compact) + "\n";
  qsizetype done = 0;
  while (done < line.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, line.constData() + done, static_cast<size_t>(line.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the test has gone away
    done += n;
  }
}

void Answer(const QString& status, const QString& detail = {}) {
  QJsonObject o{{"svar", status}};
  if (!detail.isEmpty()) o.insert("detalje", detail);
  Reply(o);
}

QList<QWidget*> VisibleWindows() {
  QList<QWidget*> out;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) out.append(w);
  return out;
}

QWidget* Window(const QString& name) {
  for (QWidget* w : VisibleWindows())
    if (w->objectName() == name) return w;
  return nullptr;
}

template <class T>
T* Control(const QString& name) {
  for (QWidget* w : VisibleWindows()) {
    if (auto* t = qobject_cast<T*>(w); t && w->objectName() == name) return t;
    if (T* t = w->findChild<T*>(name)) return t;
  }
  return nullptr;
}

QJsonObject State() {
  QJsonArray windows;
  QJsonArray boxes;
  QJsonObject sliders;
  QJsonObject fields;
  QJsonObject circles;
  for (QWidget* w : VisibleWindows()) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      boxes.append(QJsonObject{{"titel", box->windowTitle()},
                               {"tekst", box->text()},
                               {"advarsel", box->icon() == QMessageBox::Warning}});
      continue;
    }
    windows.append(QJsonObject{{"navn", w->objectName()}, {"aktiv", w->isActiveWindow()}});
    for (QAbstractSlider* s : w->findChildren<QAbstractSlider*>())
      if (!s->objectName().isEmpty()) sliders.insert(s->objectName(), s->value());
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
      if (!e->objectName().isEmpty()) fields.insert(e->objectName(), e->text());
    for (CirkelShape* c : w->findChildren<CirkelShape*>())
      circles.insert(c->objectName(), QJsonObject{{"Left", c->Left()},
                                                  {"Top", c->Top()},
                                                  {"Width", c->Width()},
                                                  {"Height", c->Height()}});
  }
  return QJsonObject{{"svar", "tilstand"}, {"vinduer", windows}, {"beskeder", boxes},
                     {"skydere", sliders},  {"felter", fields},  {"cirkler", circles}};
}

void Run(const QString& line) {
  const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return Answer("fejl", "tom kommando");
  const QString& cmd = words[0];

  if (cmd == "tilstand") return Reply(State());

  if (cmd == "saet" && words.size() == 3) {
    auto* s = Control<QAbstractSlider>(words[1]);
    bool ok = false;
    const int v = words[2].toInt(&ok);
    if (!s || !ok) return Answer("fejl", "ingen skyder " + words[1]);
    s->setValue(v);
    return Answer("ok");
  }

  if (cmd == "tast" && words.size() == 3) {
    auto* w = Control<QWidget>(words[1]);
    const QKeySequence key = QKeySequence::fromString(words[2], QKeySequence::PortableText);
    if (!w || key.isEmpty()) return Answer("fejl", "ingen kontrol eller tast " + line);
    const QKeyCombination k = key[0];
    QKeyEvent press(QEvent::KeyPress, k.key(), k.keyboardModifiers());
    QKeyEvent release(QEvent::KeyRelease, k.key(), k.keyboardModifiers());
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
    return Answer("ok");
  }

  if (cmd == "handling" && words.size() == 2) {
    const QStringList path = words[1].split(QLatin1Char('/'));
    QWidget* w = path.size() == 2 ? Window(path[0]) : nullptr;
    QAction* a = w ? w->findChild<QAction*>(path[1]) : nullptr;
    if (!a || !a->isEnabled()) return Answer("fejl", "ingen handling " + words[1]);
    Answer("ok");  // first: the action may open a modal box, or end the program
    a->trigger();
    return;
  }

  if (cmd == "ok") {
    QMessageBox* front = nullptr;
    for (QWidget* w : VisibleWindows())
      if (auto* box = qobject_cast<QMessageBox*>(w)) front = box;  // the newest is last
    if (!front) return Answer("fejl", "ingen besked");
    QAbstractButton* button = front->button(QMessageBox::Ok);
    if (!button) return Answer("fejl", "beskeden har ingen OK");
    Answer("ok");
    button->click();
    return;
  }

  if (cmd == "luk" && words.size() == 2) {
    QWidget* w = Window(words[1]);
    if (!w) return Answer("fejl", "intet vindue " + words[1]);
    Answer("ok");
    w->close();
    return;
  }

  Answer("fejl", "ukendt kommando " + line);
}

class CommandReader : public QObject {
 public:
  explicit CommandReader(QObject* parent)
      : QObject(parent), notifier_(STDIN_FILENO, QSocketNotifier::Read, this) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { ReadSome(); });
  }

 private:
  void ReadSome() {
    char buf[4096];
    const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n < 0 && errno == EINTR) return;
    if (n <= 0) {
      // The test has closed its end: nobody is left to drive the program.
      notifier_.setEnabled(false);
      QCoreApplication::exit(3);
      return;
    }
    pending_.append(buf, n);
    for (qsizetype nl; (nl = pending_.indexOf('\n')) >= 0;) {
      const QString line = QString::fromUtf8(pending_.left(nl)).trimmed();
      pending_.remove(0, nl + 1);
      Run(line);
    }
  }

  QSocketNotifier notifier_;
  QByteArray pending_;
};

void Start() {
  if (qgetenv("VESPARO_AUTOMATION") != "stdin") return;
  SinceStart().start();
  new CommandReader(qApp);  // both live as long as the application object
  new FirstFrameWatcher(qApp, QStringLiteral("frmVesparoMain"), [](QWidget* w) {
    Reply(QJsonObject{{"haendelse", "foerste billede"},
                      {"vindue", w->objectName()},
                      {"ms_efter_qapplication", double(SinceStart().nsecsElapsed()) / 1e6}});
  });
}

}  // namespace
}  // namespace vesparo::automation

// Runs when the application object has been constructed, before main() creates a window.
static void StartVesparoAutomation() { vesparo::automation::Start(); }
Q_COREAPP_STARTUP_FUNCTION(StartVesparoAutomation)

// The real program started as its own process and driven through its test automation
// (tests/e2e/hook/automation.cpp): commands go to its standard input, each answer comes
// back as one "@@ {json}" line on its standard output.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vesparo::test {

class VesparoProcess {
 public:
  VesparoProcess() = default;
  VesparoProcess(const VesparoProcess&) = delete;
  VesparoProcess& operator=(const VesparoProcess&) = delete;
  ~VesparoProcess();  // a program still running (a failed test) is killed

  // Starts the executable with the environment given, VESPARO_AUTOMATION=stdin and the
  // offscreen platform added. asUid/asGid: run the program as that user (only when this
  // process may change its user, that is as root).
  bool start(const QString& executable, QProcessEnvironment env,
             std::optional<unsigned> asUid = std::nullopt, unsigned asGid = 0);

  // Sends one command and returns its answer; an empty object when none came in time.
  QJsonObject command(const QString& line, int timeoutMs = 10000);
  QJsonObject state() { return command(QStringLiteral("tilstand")); }

  // Polls the state until pred holds for it; returns the last state and whether it held.
  bool waitForState(const std::function<bool(const QJsonObject&)>& pred, QJsonObject* last = nullptr,
                    int timeoutMs = 10000);

  // Waits for the process to end (after Afslut); false when it does not end in time.
  bool waitForExit(int timeoutMs = 10000);

  // Waits for an event line with "haendelse" == name and returns it.
  QJsonObject waitForEvent(const QString& name, int timeoutMs = 10000);

  QProcess& process() { return process_; }
  QByteArray standardError() { return stderr_ += process_.readAllStandardError(); }
  QStringList log() const { return log_; }  // every line read, for failure reports

 private:
  std::optional<QJsonObject> nextLine(int timeoutMs, bool wantEvent, const QString& eventName);

  QProcess process_;
  QByteArray pending_;
  QByteArray stderr_;
  QList<QJsonObject> events_;
  QStringList log_;
};

// Helpers for the state's JSON.
bool HasMessage(const QJsonObject& state);
QJsonObject FrontMessage(const QJsonObject& state);
bool WindowVisible(const QJsonObject& state, const QString& name);

}  // namespace vesparo::test

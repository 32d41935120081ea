#include "vesparo_process.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <grp.h>
#include <unistd.h>

namespace vesparo::test {

VesparoProcess::~VesparoProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

bool VesparoProcess::start(const QString& executable, QProcessEnvironment env,
                           std::optional<unsigned> asUid, unsigned asGid) {
  env.insert(QStringLiteral("VESPARO_AUTOMATION"), QStringLiteral("stdin"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process_.setProcessEnvironment(env);
  process_.setProgram(executable);
  if (asUid) {
    const uid_t uid = *asUid;
    const gid_t gid = asGid;
    process_.setChildProcessModifier([uid, gid] {
      // In the child, before exec: give up root for good, or do not start at all.
      if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(125);
    });
  }
  process_.start();
  return process_.waitForStarted(10000);
}

std::optional<QJsonObject> VesparoProcess::nextLine(int timeoutMs, bool wantEvent,
                                                    const QString& eventName) {
  if (wantEvent) {
    for (qsizetype i = 0; i < events_.size(); ++i)
      if (events_[i].value(QStringLiteral("haendelse")).toString() == eventName) return events_.takeAt(i);
  }
  QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    for (qsizetype nl; (nl = pending_.indexOf('\n')) >= 0;) {
      const QByteArray line = pending_.left(nl);
      pending_.remove(0, nl + 1);
      log_.append(QString::fromUtf8(line.left(300)));
      if (!line.startsWith("@@ ")) continue;
      const QJsonObject o = QJsonDocument::fromJson(line.mid(3)).object();
      if (o.contains(QStringLiteral("haendelse"))) {
        if (wantEvent && o.value(QStringLiteral("haendelse")).toString() == eventName) return o;
        events_.append(o);
        continue;
      }
      if (!wantEvent) return o;
    }
    if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return std::nullopt;
    process_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    pending_ += process_.readAllStandardOutput();
    stderr_ += process_.readAllStandardError();
  }
}

QJsonObject VesparoProcess::command(const QString& line, int timeoutMs) {
  process_.write(line.toUtf8() + '\n');
  process_.waitForBytesWritten(timeoutMs);
  return nextLine(timeoutMs, false, {}).value_or(QJsonObject{});
}

QJsonObject VesparoProcess::waitForEvent(const QString& name, int timeoutMs) {
  return nextLine(timeoutMs, true, name).value_or(QJsonObject{});
}

bool VesparoProcess::waitForState(const std::function<bool(const QJsonObject&)>& pred,
                                  QJsonObject* last, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    const QJsonObject s = state();
    if (last) *last = s;
    if (!s.isEmpty() && pred(s)) return true;
    if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
    QThread::msleep(20);
  }
}

bool VesparoProcess::waitForExit(int timeoutMs) {
  const bool ended = process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
  pending_ += process_.readAllStandardOutput();
  stderr_ += process_.readAllStandardError();
  if (!ended) {
    process_.kill();
    process_.waitForFinished(5000);
  }
  return ended;
}

bool HasMessage(const QJsonObject& state) {
  return !state.value(QStringLiteral("beskeder")).toArray().isEmpty();
}

QJsonObject FrontMessage(const QJsonObject& state) {
  const QJsonArray a = state.value(QStringLiteral("beskeder")).toArray();
  return a.isEmpty() ? QJsonObject{} : a.last().toObject();
}

bool WindowVisible(const QJsonObject& state, const QString& name) {
  for (const QJsonValue& w : state.value(QStringLiteral("vinduer")).toArray())
    if (w.toObject().value(QStringLiteral("navn")).toString() == name) return true;
  return false;
}

}  // namespace vesparo::test

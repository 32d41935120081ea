// Catches the program's modal message boxes while a test drives the real windows: each box
// that opens is recorded (title, text, icon, buttons) and closed with OK, as a user would.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

namespace vesparo::test {

struct CaughtMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality;
};

class MessageCatcher : public QObject {
  Q_OBJECT

 public:
  MessageCatcher();
  ~MessageCatcher() override;

  const QVector<CaughtMessage>& messages() const { return messages_; }
  int count() const { return static_cast<int>(messages_.size()); }
  void clear() { messages_.clear(); }

 private:
  void poll();

  QTimer timer_;
  QVector<CaughtMessage> messages_;
};

}  // namespace vesparo::test

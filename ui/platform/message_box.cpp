#include "ui/platform/message_box.h"

#include "vesparo_version.h"

#include <QMessageBox>
#include <QWidget>

namespace vesparo {

QString NormaliserLinjeskift(const QString& tekst) {
  QString s = tekst;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

void VisBesked(QWidget* owner, const QString& tekst, const QString& titel, BeskedIkon ikon) {
  QMessageBox box(owner);
  box.setObjectName(kBeskedObjektnavn);
  box.setWindowTitle(titel.isNull() ? QString::fromUtf8(kProgramTitel) : titel);
  box.setTextFormat(Qt::PlainText);
  box.setText(NormaliserLinjeskift(tekst));
  box.setIcon(ikon == BeskedIkon::Udraabstegn ? QMessageBox::Warning : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace vesparo

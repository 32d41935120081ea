#include "ui/info/frm_om.h"

#include "ui/info/info_controls.h"
#include "ui/info/info_pictures.h"
#include "ui/info/system_info_launcher.h"
#include "ui/platform/fonts.h"
#include "ui/platform/system_colours.h"
#include "ui/platform/twips.h"
#include "vesparo_version.h"

#include <QPushButton>

#include <cmath>

namespace vesparo {

namespace {

// The design names "MS Sans Serif", which a Linux desktop does not have. The window font's
// family stands in for it at the same point size, taken at 96 dpi and set in pixels like
// the rest of the layout (9.6 points = 13 pixels, 13.8 points = 18 pixels); the texts fit
// their labels at these sizes.
QFont SansSerif(double punkter, bool fed) {
  QFont f = VinduesSkrift();
  f.setPixelSize(static_cast<int>(std::lround(punkter * 96.0 / 72.0)));
  f.setBold(fed);
  return f;
}

void SortTekst(QLabel* label) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, FastFarve(0x00000000));
  label->setPalette(pal);
}

}  // namespace

frmOm::frmOm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmOm"));
  setWindowTitle(QStringLiteral("Om QN-Vesparo"));  // replaced by the load step
  setWindowIcon(VinduesIkon(QString::fromLatin1(kProgramIkon)));
  setFont(VinduesSkrift());
  setWindowModality(Qt::ApplicationModal);

  // Tab order 0: OK, default and cancel button, with the focus when the window opens.
  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(PxRect(4245, 4425, 1260, 345));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  // The program icon on the application-workspace colour, inside a standard sunken border
  // two pixels wide: the 32 x 32 picture plus its border.
  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picIcon->setLineWidth(2);
  QPalette pal = picIcon->palette();
  pal.setColor(QPalette::Window, Farve(SystemFarve::ProgramArbejdsflade, palette()));
  picIcon->setPalette(pal);
  picIcon->setAutoFillBackground(true);
  picIcon->setAlignment(Qt::AlignCenter);
  picIcon->setPixmap(IkonPixmap(QString::fromLatin1(kProgramIkon)));
  picIcon->setGeometry(Px(240), Px(240), 32 + 4, 32 + 4);

  // Alt+S presses it; Enter presses it while it has the focus.
  cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
  cmdSysInfo_->setGeometry(PxRect(4260, 4875, 1245, 345));
  connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { StartSysInfo(this); });

  lblDescription_ = Etiket(this, QStringLiteral("lblDescription"), 1080, 2520, 3885, 1770);
  lblDescription_->setFont(SansSerif(9.6, false));
  SortTekst(lblDescription_);
  lblDisclaimer_ = Etiket(this, QStringLiteral("lblDisclaimer"), 255, 4440, 3870, 825);
  SortTekst(lblDisclaimer_);
  lblTitle_ = Etiket(this, QStringLiteral("lblTitle"), 1050, 240, 3885, 480,
                     QStringLiteral("Application Title"));
  lblTitle_->setFont(SansSerif(13.8, true));
  SortTekst(lblTitle_);
  lblVersion_ = Etiket(this, QStringLiteral("lblVersion"), 1080, 2160, 3885, 465,
                       QStringLiteral("Version"));
  lblVersion_->setFont(SansSerif(9.6, false));
  label1_ = Etiket(this, QStringLiteral("Label1"), 1080, 840, 3975, 255);
  label1_->setFont(SansSerif(9.6, true));

  // One etched separator: the white line, and the grey one on top of it.
  NavngivIndekseret(new LinjeKontrol(this, 120, 4320, 5675, FastFarve(kHvidLinje), 2), "Line1", 0);
  NavngivIndekseret(new LinjeKontrol(this, 120, 4320, 5690, FastFarve(kGraaLinje), 1), "Line1", 1);

  const QSize klient = PxSize(5736, 5400);
  setFixedSize(klient);
  CentrerPaaSkaerm(this);

  Indlaes();
  cmdOK_->setFocus();
}

void frmOm::Indlaes() {
  const QString titel = QString::fromUtf8(kProgramTitel);
  setWindowTitle(QStringLiteral("Om ") + titel);
  lblVersion_->setText(QStringLiteral("Version %1.%2.%3")
                           .arg(kVersionMajor)
                           .arg(kVersionMinor)
                           .arg(kVersionRevision));
  lblTitle_->setText(titel + QChar(0x00AE));
  lblDisclaimer_->setText(QString::fromUtf8(kOmAdvarsel));
  label1_->setText(QString::fromUtf8(kOmOphavsret));
  lblDescription_->setText(QString::fromUtf8(kOmBeskrivelse1) + QLatin1Char('\n') +
                           QString::fromUtf8(kOmBeskrivelse2));
}

}  // namespace vesparo

namespace vesparo {

void frmOm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centreret_) {
    centreret_ = true;
    CentrerPaaSkaerm(this);
  }
}

}  // namespace vesparo

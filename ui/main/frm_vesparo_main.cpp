#include "ui/main/frm_vesparo_main.h"

#include "model/loss.h"
#include "model/number_text.h"
#include "resources/resources.h"
#include "settings/settings_store.h"
#include "ui/calibration/calibration.h"
#include "ui/info/info_windows.h"
#include "ui/main/main_window_layout.h"
#include "ui/platform/calibration_message.h"
#include "ui/platform/circle_shape.h"
#include "ui/platform/fonts.h"
#include "ui/platform/hyperlink_label.h"
#include "ui/platform/message_box.h"
#include "ui/platform/screen.h"
#include "ui/platform/status_bar.h"
#include "ui/platform/twips.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>

namespace vesparo {

namespace {

using namespace hovedvindue;

// A read-only text box drawn flat: no sunken edge, a thin single line around the white
// field so that the figures still read as fields on the grey window.
class FladTekstboks : public QLineEdit {
 public:
  explicit FladTekstboks(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

// A horizontal scroll bar whose arrow keys go the way they point. Qt's scroll bars invert
// their controls so that Up decreases a vertical bar; on a horizontal bar that turns Right
// into a step towards the minimum. Up and Page Up still step down, Down and Page Down up,
// Home and End go to the ends.
class Rullebjaelke : public QScrollBar {
 public:
  explicit Rullebjaelke(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool venstre = event->key() == Qt::Key_Left;
    const bool hoejre = event->key() == Qt::Key_Right;
    if ((venstre || hoejre) && event->modifiers() == Qt::NoModifier) {
      const bool op = hoejre != isRightToLeft();
      triggerAction(op ? SliderSingleStepAdd : SliderSingleStepSub);
      event->accept();
      return;
    }
    QScrollBar::keyPressEvent(event);
  }
};

// A frame with its caption set into the top edge of an engraved line, as a dialog frame
// is drawn; the caption band is part of the frame, and the controls inside are placed from
// the frame's own top-left corner.
class Ramme : public QGroupBox {
 public:
  Ramme(const QString& titel, QWidget* parent) : QGroupBox(titel, parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics fm(font());
    const int midt = fm.height() / 2;
    const QRect kant = rect().adjusted(0, midt, -2, -2);
    const QColor moerk = palette().color(QPalette::Dark);
    const QColor lys = palette().color(QPalette::Light);
    painter.setPen(lys);
    painter.drawRect(kant.translated(1, 1));
    painter.setPen(moerk);
    painter.drawRect(kant);
    const QString tekst = title();
    if (tekst.isEmpty()) return;
    const QRect felt(6, 0, fm.horizontalAdvance(tekst) + 4, fm.height());
    painter.fillRect(felt, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(felt, Qt::AlignCenter | Qt::TextSingleLine, tekst);
  }
};

Qt::Alignment TilQt(Justering j) {
  switch (j) {
    case Justering::Centreret: return Qt::AlignHCenter;
    case Justering::Hoejre: return Qt::AlignRight;
    case Justering::Venstre: break;
  }
  return Qt::AlignLeft;
}

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

Separators SystemetsSeparatorer() {
  const QLocale locale = QLocale::system();
  return Separators{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString Tekst(const std::string& s) { return QString::fromStdString(s); }

frmVesparoMain::Beregningsobservatoer& Observatoer() {
  static frmVesparoMain::Beregningsobservatoer o;
  return o;
}

}  // namespace

void frmVesparoMain::SaetBeregningsobservatoerForTest(Beregningsobservatoer observatoer) {
  Observatoer() = std::move(observatoer);
}

bool frmVesparoMain::SkaermAdvarsel(float breddeTwips) {
  // 15 twips to the pixel, in single precision: 11999 twips are 799.9333 pixels.
  const float pixels = breddeTwips / 15.0f;
  return pixels < 800.0f || pixels > 1280.0f;
}

QString frmVesparoMain::SkaermAdvarselTitel() { return QStringLiteral("Skærmopløsning"); }

QString frmVesparoMain::SkaermAdvarselTekst() {
  return QStringLiteral("Din skærmopløsning skal være:") + QStringLiteral("\r\n") +
         QStringLiteral("Mere end 800*600 pixels,") + QStringLiteral("\r\n") +
         QStringLiteral("eller mindre end 1280*1024 pixels!");
}

frmVesparoMain::frmVesparoMain(QWidget* parent) : QMainWindow(parent) {
  InitResources();
  setObjectName(QStringLiteral("frmVesparoMain"));
  setWindowTitle(QStringLiteral("QN-Vesparo"));
  setWindowIcon(QIcon(QStringLiteral(":/main/vesparo.png")));
  setFont(VinduesSkrift());

  byggMenuer();
  byggKontroller();

  // The client area keeps its designed size in the restored state; the menu bar sits above
  // it. When maximised, the client area grows and only the status bar follows.
  const QSize klient = PxSize(kKlientBredde, kKlientHoejde);
  gendannet_ = QSize(klient.width(), klient.height() + menuBar()->sizeHint().height());
  resize(gendannet_);

  indlaes();
}

void frmVesparoMain::byggMenuer() {
  QMenu* filer = menuBar()->addMenu(QStringLiteral("&Filer"));
  filer->setObjectName(QStringLiteral("Filer"));
  filer->setProperty("indeks", 0);
  QAction* afslut = filer->addAction(QStringLiteral("Afslut"));
  afslut->setObjectName(QStringLiteral("Afslut"));
  afslut->setProperty("indeks", 0);
  QMenu* instillinger = filer->addMenu(QStringLiteral("Instillinger"));
  instillinger->setObjectName(QStringLiteral("Instillinger"));
  instillinger->setProperty("indeks", 1);
  QAction* kalibrer = instillinger->addAction(QStringLiteral("&Kalibrer"));
  kalibrer->setObjectName(QStringLiteral("Kalibrer"));

  QMenu* hjaelp = menuBar()->addMenu(QStringLiteral("&Hjælp"));
  hjaelp->setObjectName(QStringLiteral("Hjælp"));
  hjaelp->setProperty("indeks", 1);
  QAction* saadan = hjaelp->addAction(QStringLiteral("&Sådan gør du"));
  saadan->setObjectName(QStringLiteral("Sådangørdu"));
  QAction* grundlag = hjaelp->addAction(QStringLiteral("&Grunddlag"));
  grundlag->setObjectName(QStringLiteral("Grunddlag"));
  QAction* om = hjaelp->addAction(QStringLiteral("&Om"));
  om->setObjectName(QStringLiteral("Om"));
  om->setProperty("indeks", 0);

  // Afslut ends the program at once: the event loop returns and every window goes with the
  // main window; no window gets a chance to store anything on the way out.
  connect(afslut, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
  connect(kalibrer, &QAction::triggered, this, [this] {
    VisDialogKalibrering(this);
    Beregn();
  });
  connect(saadan, &QAction::triggered, this, [this] { VisSaadan(this); });
  connect(grundlag, &QAction::triggered, this, [this] { VisGrundlag(this); });
  connect(om, &QAction::triggered, this, [this] { VisOm(this); });
}

void frmVesparoMain::byggKontroller() {
  klient_ = new QWidget(this);
  klient_->setObjectName(QStringLiteral("frmVesparoMainKlient"));
  setCentralWidget(klient_);

  std::map<QString, QWidget*> efterNavn;
  std::map<int, QWidget*> efterTab;
  auto container = [&](const char* navn) -> QWidget* {
    if (*navn == '\0') return klient_;
    return efterNavn.at(U(navn));
  };

  for (const Kontrol& k : kKontroller) {
    QWidget* i = container(k.i);
    QWidget* w = nullptr;
    switch (k.art) {
      case Art::Billede: {
        // The logo box sizes itself to its picture, 177 × 42 pixels, whatever the twips.
        auto* billede = new QLabel(i);
        const QPixmap logo(QStringLiteral(":/main/logo.png"));
        billede->setPixmap(logo);
        billede->setAutoFillBackground(true);
        billede->setBackgroundRole(QPalette::Base);
        billede->setGeometry(QRect(QPoint(Px(k.left), Px(k.top)), QSize(177, 42)));
        w = billede;
        break;
      }
      case Art::Ramme: {
        auto* ramme = new Ramme(U(k.tekst), i);
        ramme->setGeometry(PxRect(k.left, k.top, k.width, k.height));
        // A frame covers what lies beneath it within its container (the hole circle under
        // the small area frame).
        ramme->setAutoFillBackground(true);
        w = ramme;
        break;
      }
      case Art::Tekstboks: {
        auto* boks = new FladTekstboks(i);
        boks->setAlignment(TilQt(k.justering) | Qt::AlignVCenter);
        boks->setGeometry(PxRect(k.left, k.top, k.width, k.height));
        w = boks;
        break;
      }
      case Art::Figur: {
        auto* figur = new CirkelShape(i);
        figur->setLeft(static_cast<float>(k.left));
        figur->setTop(static_cast<float>(k.top));
        figur->setWidth(static_cast<float>(k.width));
        figur->setHeight(static_cast<float>(k.height));
        // A drawn shape lies beneath the controls of its container.
        figur->lower();
        w = figur;
        break;
      }
      case Art::Rullebjaelke: {
        auto* skyder = new Rullebjaelke(i);
        skyder->setGeometry(PxRect(k.left, k.top, k.width, k.height));
        // A Qt scroll bar takes no focus by default; these are the program's inputs and
        // must be reachable and movable from the keyboard.
        skyder->setFocusPolicy(Qt::StrongFocus);
        w = skyder;
        break;
      }
      case Art::Etiket: {
        auto* etiket = new QLabel(U(k.tekst), i);
        etiket->setGeometry(PxRect(k.left, k.top, k.width, k.height));
        etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = etiket;
        break;
      }
      case Art::Statuslinje: {
        QVector<StatusBar::Panel> paneler;
        for (const StatusPanel& p : kStatusPaneler) {
          StatusBar::Panel panel;
          panel.art = p.art == PanelArt::Dato  ? StatusBar::Art::Dato
                      : p.art == PanelArt::Tid ? StatusBar::Art::Tid
                                               : StatusBar::Art::Tekst;
          panel.tekst = U(p.tekst);
          panel.justering = TilQt(p.justering);
          panel.bredde = p.fjeder ? StatusBar::Bredde::Fjeder : StatusBar::Bredde::Fast;
          panel.breddeTwips = p.bredde;
          paneler.push_back(panel);
        }
        // It places itself along the bottom of the client area, across its full width.
        w = statusBar_ = new StatusBar(i, k.height, paneler);
        break;
      }
      case Art::Link: {
        auto* link = new HyperlinkLabel(i);
        link->setGeometry(PxRect(k.left, k.top, k.width, k.height));
        link->setFont(LinkSkrift());
        link->setFontHot(LinkSkrift());
        w = link;
        break;
      }
    }
    w->setObjectName(U(k.navn));
    efterNavn[U(k.navn)] = w;
    if (k.tab != kIngenTab && w->focusPolicy() != Qt::NoFocus) efterTab[k.tab] = w;
  }

  // The links: the mail address without its scheme, the web address in full.
  auto* mail = qobject_cast<HyperlinkLabel*>(efterNavn.at(QStringLiteral("VBCLNKHyperLinkWL1")));
  mail->setCaption(U(kMailAdresse));
  mail->setCaptionHot(U(kMailAdresse));
  mail->setUrl(QStringLiteral("mailto:") + U(kMailAdresse));
  auto* web = qobject_cast<HyperlinkLabel*>(efterNavn.at(QStringLiteral("VBCLNKHyperLinkWL2")));
  web->setCaption(U(kWebAdresse));
  web->setCaptionHot(U(kWebAdresse));
  web->setUrl(U(kWebAdresse));

  for (const Skyder& s : kSkydere) {
    auto* skyder = qobject_cast<QScrollBar*>(efterNavn.at(U(s.navn)));
    skyder->setRange(s.minimum, s.maksimum);
    skyder->setSingleStep(s.pil);
    skyder->setPageStep(s.side);
    skyder->setValue(0);
  }

  for (const Navngivning& n : kTilgaengeligeNavne) {
    QWidget* kilde = efterNavn.at(U(n.navnFra));
    QString navn;
    if (auto* ramme = qobject_cast<QGroupBox*>(kilde)) navn = ramme->title();
    if (auto* etiket = qobject_cast<QLabel*>(kilde)) navn = etiket->text();
    navn = navn.trimmed();
    if (navn.endsWith(QLatin1Char('='))) navn = navn.chopped(1).trimmed();
    efterNavn.at(U(n.kontrol))->setAccessibleName(navn);
  }

  // Tab follows the tab indexes; frames, labels and the rest never take the focus.
  QWidget* forrige = nullptr;
  for (const auto& [tab, w] : efterTab) {
    if (forrige) setTabOrder(forrige, w);
    forrige = w;
  }

  auto boks = [&](const char* navn) { return qobject_cast<QLineEdit*>(efterNavn.at(U(navn))); };
  auto skyder = [&](const char* navn) { return qobject_cast<QScrollBar*>(efterNavn.at(U(navn))); };
  frameOe_ = qobject_cast<QGroupBox*>(efterNavn.at(QStringLiteral("FrameØ")));
  shapeOe_ = qobject_cast<CirkelShape*>(efterNavn.at(QStringLiteral("ShapeØ")));
  hScrollOe_ = skyder("HScrollØ");
  hScrollBar_ = skyder("HScrollBar");
  hScrollKubikPris_ = skyder("HScrollKubikPris");
  textOe_ = boks("TextØ");
  textBar_ = boks("TextBar");
  textKrPerKubik_ = boks("TextKrPerKubik");
  textAreal_ = boks("TextAreal");
  const char* raekkefoelge[12] = {"TextLSek", "TextKrSek", "TextLMin", "TextKrMin",
                                  "TextMH",   "TextKrH",   "TextMD",   "TextKrD",
                                  "TextMM",   "TextKrMd",  "TextMAr",  "TextKrAr"};
  for (int n = 0; n < 12; ++n) tab_[n] = boks(raekkefoelge[n]);

  // Every change of a slider's position runs the full recalculation: an arrow or page
  // click, a key, a position set by the program, and (tracking is on) every movement of a
  // dragged thumb. Qt's sliderMoved comes for the same movements of the thumb, so it is
  // not connected as well: each movement recalculates once.
  for (QScrollBar* s : {hScrollOe_, hScrollBar_, hScrollKubikPris_}) {
    s->setTracking(true);
    connect(s, &QScrollBar::valueChanged, this, &frmVesparoMain::Beregn);
  }

  textKrPerKubik_->setFocus(Qt::OtherFocusReason);
}

void frmVesparoMain::indlaes() {
  const SkaermTwips skaerm = SkaermStoerrelseTwips();
  const float hoejde = skaerm.hoejde;
  const float bredde = skaerm.bredde;

  // Advice, not an error: the start goes on after the box is closed. The window is not
  // shown yet, so the box has no owner.
  if (SkaermAdvarsel(bredde)) {
    VisBesked(nullptr, SkaermAdvarselTekst(), SkaermAdvarselTitel(), BeskedIkon::Udraabstegn);
  }

  const Separators sep = SystemetsSeparatorer();
  statusBar_->setPanelText(kOploesningsPanel, Tekst(TalTilTekst(bredde / 15.0f, sep)) + QStringLiteral(" * ") +
                                                  Tekst(TalTilTekst(hoejde / 15.0f, sep)));

  // Each assignment changes the position from 0 and so recalculates at once.
  hScrollOe_->setValue(50);
  hScrollBar_->setValue(50);
  hScrollKubikPris_->setValue(1000);
}

double frmVesparoMain::kalibrering() {
  const Laesning laesning = LaesKalibreringMedTilstand();
  if (laesning.tilstand == Filtilstand::Ulaeselig) {
    // The file is there but unreadable: nothing to quote, but the user must still learn
    // why the hole is drawn at the default scale.
    if (!advaretUlaeselig_) {
      advaretUlaeselig_ = true;
      advaretTekst_.reset();
      advarOmKalibrering(UlaeseligKalibreringsfilTekst(KalibreringsFil()));
    }
    return 1000.0;
  }
  const QString& tekst = laesning.tekst;
  const Konvertering<double> c = TilDouble(tekst);
  // A value edited by hand may be no number at all, negative, or so large that the hole
  // cannot be drawn; the hole is then drawn at the default scale and the user is told.
  const bool brugbar = c.ok() && std::isfinite(*c.vaerdi) && *c.vaerdi >= 0 &&
                       std::isfinite(CirkelDiameter(1000, *c.vaerdi));
  if (brugbar) {
    advaretTekst_.reset();
    advaretUlaeselig_ = false;
    return *c.vaerdi;
  }
  advaretUlaeselig_ = false;
  if (!advaretTekst_ || *advaretTekst_ != tekst) {
    advaretTekst_ = tekst;
    advarOmKalibrering(UbrugeligKalibreringTekst(tekst, KalibreringsFil()));
  }
  return 1000.0;
}

void frmVesparoMain::advarOmKalibrering(const QString& besked) {
  // The box is modal and has its own event loop. Shown from inside a recalculation it
  // would run in the middle of the load (before the window is shown) or of a drag, so it
  // waits until the current event is done.
  QTimer::singleShot(0, this, [this, besked] {
    VisBesked(this, besked, QString(), BeskedIkon::Udraabstegn);
  });
}

void frmVesparoMain::Beregn() {
  const auto d = static_cast<std::int16_t>(hScrollOe_->value());
  const auto b = static_cast<std::int16_t>(hScrollBar_->value());
  const auto p = static_cast<std::int16_t>(hScrollKubikPris_->value());
  if (Observatoer()) Observatoer()(d, b, p);

  const TabResultat r = BeregnTab(d, b, p);
  // The user's separators at this moment; nothing is kept from one recalculation to the
  // next.
  const Separators sep = SystemetsSeparatorer();
  textOe_->setText(Tekst(TalTilTekst(r.Diameter, sep)));
  textBar_->setText(Tekst(TalTilTekst(r.Bar, sep)));
  textKrPerKubik_->setText(Tekst(TalTilTekst(r.KrPerKubik, sep)));
  textAreal_->setText(Tekst(TreDecimaler(r.Areal, sep)));
  const double felter[12] = {r.LSek, r.KrSek, r.LMin, r.KrMin, r.MH,   r.KrH,
                             r.MD,   r.KrD,   r.MM,   r.KrMd,  r.MAr, r.KrAr};
  for (int n = 0; n < 12; ++n) tab_[n]->setText(Tekst(TreDecimaler(felter[n], sep)));

  const float diameter = CirkelDiameter(d, kalibrering());
  shapeOe_->setWidth(diameter);
  shapeOe_->setHeight(diameter);
  // Centred in the frame's outer size, caption band included, in single-precision twips.
  const auto frameBredde = static_cast<float>(Twips(frameOe_->width()));
  const auto frameHoejde = static_cast<float>(Twips(frameOe_->height()));
  shapeOe_->setLeft(frameBredde / 2.0f - shapeOe_->Width() / 2.0f);
  shapeOe_->setTop(frameHoejde / 2.0f - shapeOe_->Height() / 2.0f);
}

bool frmVesparoMain::event(QEvent* event) {
  const bool resultat = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) Beregn();
  return resultat;
}

void frmVesparoMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // A fixed border: in the restored state the window keeps its designed size. Qt can only
  // forbid edge resizing by fixing the minimum and maximum size, and window managers then
  // take away the maximise button too; so the size is left free and a restored window that
  // the user stretched springs back. The check waits for the event loop because window
  // managers report a new state and its size in either order.
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
  if (event->size() == gendannet_) return;
  QTimer::singleShot(0, this, [this] {
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) &&
        size() != gendannet_) {
      resize(gendannet_);
    }
  });
}

}  // namespace vesparo

#include "ui/platform/status_bar.h"

#include "ui/platform/twips.h"

#include <QDateTime>
#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOption>

#include <algorithm>

namespace vesparo {

namespace {
// Space between neighbouring panels, and between a panel's bevel and its text.
constexpr int kMellemrum = 1;
constexpr int kIndrykning = 2;
}  // namespace

StatusBar::StatusBar(QWidget* parent, double heightTwips, QVector<Panel> panels)
    : QWidget(parent), hoejdePx_(Px(heightTwips)), panels_(std::move(panels)) {
  setFocusPolicy(Qt::NoFocus);
  viste_.resize(panels_.size());
  rects_.resize(panels_.size());
  for (int i = 0; i < panels_.size(); ++i) viste_[i] = panels_[i].tekst;

  // The clock wakes at most every ten seconds and always just after a new minute begins,
  // so the time panel turns over on time and a missed wake-up (a suspended machine) is
  // caught up soon.
  ur_.setSingleShot(true);
  ur_.setTimerType(Qt::CoarseTimer);
  connect(&ur_, &QTimer::timeout, this, &StatusBar::opdaterUr);
  opdaterUr();

  if (parent) {
    parent->installEventFilter(this);
    placerIForaelder();
  }
}

bool StatusBar::setPanelText(int number, const QString& text) {
  if (number < 1 || number > panelCount()) return false;
  Panel& p = panels_[number - 1];
  p.tekst = text;
  if (p.art == Art::Tekst && viste_[number - 1] != text) {
    viste_[number - 1] = text;
    update(rects_[number - 1]);
  }
  return true;
}

QString StatusBar::panelText(int number) const {
  if (number < 1 || number > panelCount()) return {};
  return viste_[number - 1];
}

QRect StatusBar::panelRect(int number) const {
  if (number < 1 || number > panelCount()) return {};
  return rects_[number - 1];
}

QSize StatusBar::sizeHint() const { return QSize(parentWidget() ? parentWidget()->width() : 0, hoejdePx_); }

QString StatusBar::TimerOgMinutter(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::ShortFormat);
  // Seconds and fractions with the separator before them.
  format.remove(QRegularExpression(QStringLiteral("[^HhmAaPpt' ]?[sz]+")));
  return format.trimmed();
}

void StatusBar::opdaterUr() {
  const QDateTime nu = QDateTime::currentDateTime();
  const QLocale locale = QLocale::system();
  const QString dato = locale.toString(nu.date(), QLocale::ShortFormat);
  const QString tid = locale.toString(nu.time(), TimerOgMinutter(locale));
  for (int i = 0; i < panels_.size(); ++i) {
    const Art art = panels_[i].art;
    if (art == Art::Tekst) continue;
    const QString& ny = art == Art::Dato ? dato : tid;
    if (viste_[i] != ny) {
      viste_[i] = ny;
      update(rects_[i]);
    }
  }
  const int tilNaesteMinut = 60000 - (nu.time().second() * 1000 + nu.time().msec()) + 20;
  ur_.start(std::min(tilNaesteMinut, 10000));
}

void StatusBar::placerIForaelder() {
  QWidget* p = parentWidget();
  setGeometry(0, p->height() - hoejdePx_, p->width(), hoejdePx_);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) placerIForaelder();
  return QWidget::eventFilter(watched, event);
}

void StatusBar::resizeEvent(QResizeEvent*) { beregnPaneler(); }

void StatusBar::beregnPaneler() {
  const int n = static_cast<int>(panels_.size());
  if (n == 0) return;
  const int total = width();
  int fast = 0;
  int fjedre = 0;
  for (const Panel& p : panels_) {
    if (p.bredde == Bredde::Fast) {
      fast += Px(p.breddeTwips);
    } else {
      ++fjedre;
    }
  }
  // The spring panels share what is left in equal parts, the first ones taking the odd
  // pixels; they shrink to nothing rather than push a fixed panel off the bar.
  const int fri = std::max(0, total - fast);
  const int andel = fjedre ? fri / fjedre : 0;
  int rest = fjedre ? fri % fjedre : 0;
  int x = 0;
  for (int i = 0; i < n; ++i) {
    int w;
    if (panels_[i].bredde == Bredde::Fast) {
      w = Px(panels_[i].breddeTwips);
    } else {
      w = andel + (rest > 0 ? 1 : 0);
      if (rest > 0) --rest;
    }
    rects_[i] = QRect(x, 0, w, height());
    x += w;
  }
  update();
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  painter.fillRect(rect(), pal.color(QPalette::Window));
  const QColor skygge = pal.color(QPalette::Dark);
  const QColor lys = pal.color(QPalette::Light);
  painter.setPen(pal.color(QPalette::WindowText));
  for (int i = 0; i < panels_.size(); ++i) {
    // Each panel is drawn inside its share with a gap to the next one: an inset bevel, a
    // dark line at the top and left and a light one at the bottom and right.
    const QRect r = rects_[i].adjusted(0, kMellemrum, -kMellemrum, 0);
    if (r.width() < 2 || r.height() < 2) continue;
    painter.setPen(skygge);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(lys);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    const QRect tekst = r.adjusted(kIndrykning, 1, -kIndrykning + 1, 0);
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(tekst, static_cast<int>(panels_[i].justering | Qt::AlignVCenter) | Qt::TextSingleLine,
                     viste_[i]);
  }
}

}  // namespace vesparo

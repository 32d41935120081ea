// The status bar of the main window: a row of numbered panels along the bottom edge of its
// parent, across its full width. A panel shows a fixed text, the current date or the
// current time (the user's short formats, kept current by the bar itself), with its own
// alignment, a fixed or a spring width and an inset bevel. Spring panels share the width
// that the fixed panels leave free in equal parts and follow the parent's width.
#pragma once

#include <QLocale>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QWidget>

namespace vesparo {

class StatusBar : public QWidget {
  Q_OBJECT

 public:
  enum class Art { Tekst, Dato, Tid };
  enum class Bredde { Fast, Fjeder };

  struct Panel {
    Art art = Art::Tekst;
    QString tekst;
    Qt::Alignment justering = Qt::AlignLeft;
    Bredde bredde = Bredde::Fast;
    double breddeTwips = 0;  // the fixed width; a spring panel's width when created
  };

  // The bar places itself along the bottom of parent, heightTwips high.
  StatusBar(QWidget* parent, double heightTwips, QVector<Panel> panels);

  // Panels are numbered from 1.
  int panelCount() const { return static_cast<int>(panels_.size()); }
  // Sets a panel's text; a number outside 1..panelCount() is ignored and returns false.
  bool setPanelText(int number, const QString& text);
  // What the panel shows now (for a date or time panel, the date or time).
  QString panelText(int number) const;
  // The panel's box in pixels of the bar.
  QRect panelRect(int number) const;

  QSize sizeHint() const override;

  // The locale's short time format without seconds: the time panel shows hours and
  // minutes, and some locales' short format carries seconds ("HH:mm:ss" becomes "HH:mm").
  static QString TimerOgMinutter(const QLocale& locale);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placerIForaelder();
  void beregnPaneler();
  void opdaterUr();

  int hoejdePx_;
  QVector<Panel> panels_;
  QVector<QString> viste_;  // the text each panel shows
  QVector<QRect> rects_;
  QTimer ur_;
};

}  // namespace vesparo

// The building blocks that the three information windows share: the naming of indexed
// control groups, the white note labels, the icon images and the line controls of the
// etched rules.
#pragma once

#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace vesparo {

// Indexed control groups. The window designs group some controls under one name with an
// index (Label1 index 2, Line1 index 0 ...). In Qt every member is its own widget, so a
// member is named "<group>_<index>" as its objectName ("Label1_2", "Line1_0"), which keeps
// the names unique for findChild, and carries its index as the dynamic property "indeks"
// (an int), the property the main window's menu entries use for theirs. A control outside
// any group keeps its plain name ("Command2"). This holds for every window in ui/info/.
inline constexpr const char* kIndeksEgenskab = "indeks";

QString IndekseretNavn(const char* gruppe, int index);
void NavngivIndekseret(QObject* kontrol, const char* gruppe, int index);

// The first image of an icon file, the one with the most colours (the 16-colour image of
// the question and exclamation marks), unscaled.
QPixmap IkonPixmap(const QString& sti);

// A window icon from an icon file: for each size in the file, the first (fullest-colour)
// image of that size.
QIcon VinduesIkon(const QString& sti);

// An image control with an icon at (left, top) twips, sized to the picture, 32 x 32
// pixels; it takes no focus and has no events.
QLabel* IkonKontrol(QWidget* parent, const QString& objektNavn, double left, double top,
                    const QString& sti);

// The white note labels of the how-to and basis windows (five in frmSaadan, Label1 in
// frmGrundlag). Their background is system colour 9, painted opaque; the text is in the
// default text colour, wraps at the label's width from the top left, and the label never
// resizes to fit. Their further display setting of value 1 is taken as a thin single-line
// border: one pixel in the window-text colour around the label, which keeps the text
// left-aligned like the rest of the program's texts. All six labels get it from here.
QLabel* NoteEtiket(QWidget* parent, const QString& objektNavn, double left, double top,
                   double width, double height, const QString& tekst);

// An ordinary label of the About window: transparent, text from the top left, wrapped.
QLabel* Etiket(QWidget* parent, const QString& objektNavn, double left, double top,
               double width, double height, const QString& tekst = QString());

// A line control: a horizontal line from (x1, y) to (x2, y) in twips, `bredde` pixels wide,
// covering the pixel rows from y downwards. A line may run past its container's edge; the
// container cuts it off there. An etched rule is a white line two pixels wide with a grey
// line of one pixel created after it at the same height: the grey lies on the upper row,
// and the white row shows directly beneath it. "Inside solid" and solid are the same for a
// horizontal line, which is drawn inside its bounds either way.
class LinjeKontrol : public QWidget {
  Q_OBJECT

 public:
  LinjeKontrol(QWidget* parent, double x1, double y, double x2, QColor farve, int bredde);

  QColor farve() const { return farve_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor farve_;
};

// Places a window at the centre of the screen (screen.h), frame included as far as the
// platform knows it. Called when the window is created and again when it is first shown,
// when its frame is known.
void CentrerPaaSkaerm(QWidget* vindue);

// Fixed colours of the designs, &H00808080& and &H00FFFFFF&.
inline constexpr unsigned kGraaLinje = 0x00808080;
inline constexpr unsigned kHvidLinje = 0x00FFFFFF;

}  // namespace vesparo

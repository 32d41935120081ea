#include "ui/platform/screen.h"

#include "ui/platform/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace vesparo {

namespace {
std::optional<SkaermTwips>& Erstatning() {
  static std::optional<SkaermTwips> s;
  return s;
}
}  // namespace

SkaermTwips SkaermStoerrelseTwips() {
  if (Erstatning()) return *Erstatning();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize px = screen ? screen->size() : QSize(1024, 768);
  return {static_cast<float>(Twips(px.width())), static_cast<float>(Twips(px.height()))};
}

void SaetSkaermForTest(std::optional<SkaermTwips> skaerm) { Erstatning() = skaerm; }

}  // namespace vesparo

#include "settings/settings_store.h"
// placeholder until the store lands
namespace vesparo {
QString LaesKalibrering() { return QString::fromLatin1(kStandardKalibrering); }
bool GemKalibrering(std::int16_t) { return false; }
QString KalibreringsFil() { return {}; }
Konvertering<double> TilDouble(const QString& t, const QLocale&) { return {std::nullopt, t}; }
Konvertering<float> TilSingle(const QString& t, const QLocale&) { return {std::nullopt, t}; }
Konvertering<std::int16_t> TilHeltal16(const QString& t, const QLocale&) { return {std::nullopt, t}; }
}  // namespace vesparo

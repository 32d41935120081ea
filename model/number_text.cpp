#include "model/number_text.h"
// placeholder until the formatter lands
namespace vesparo {
std::string TalTilTekst(double x, const Separators&) { return std::to_string(x); }
std::string TalTilTekst(float x, const Separators&) { return std::to_string(x); }
std::string TreDecimaler(double x, const Separators&) { return std::to_string(x); }
}  // namespace vesparo

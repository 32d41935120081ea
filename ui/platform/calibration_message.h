// The one message that the main window and the calibration dialog show when the stored
// calibration value cannot be used (a text that is not a number, a negative number, or one
// the dialog's scroll bar cannot show). Both windows use this wording so that the user
// meets one explanation, whichever window finds the value first. Neither window rewrites
// the entry: the user's next calibration replaces it.
#pragma once

#include <QString>

namespace vesparo {

// storedText: the text exactly as it stands in the settings file; file: the file's path.
inline QString UbrugeligKalibreringTekst(const QString& storedText, const QString& file) {
  return QStringLiteral(
             "Den gemte kalibrering af lækagehullets størrelse, \"%1\", kan ikke bruges.\n"
             "Den står i indstillingsfilen:\n"
             "%2\n"
             "\n"
             "Programmet bruger i stedet standardværdien 1000, indtil du kalibrerer igen "
             "under Filer > Instillinger > Kalibrer.")
      .arg(storedText, file);
}

}  // namespace vesparo

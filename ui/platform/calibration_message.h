// The one message that the main window and the calibration dialog show when the stored
// calibration value cannot be used (a text that is not a number, a negative number, or one
// the dialog's scroll bar cannot show). Both windows use this wording so that the user
// meets one explanation, whichever window finds the value first. Neither window rewrites
// the entry: the user's next calibration replaces it.
#pragma once

#include <QString>

namespace vesparo {

// The stored text as the message quotes it. A hand-edited or damaged file can hold
// anything, and a message box shows its text in full: a value of a megabyte would make a
// box far wider than the screen that takes seconds to lay out, and control characters
// would garble the lines. So the quote is cut after kVistTegn characters and ends in "…"
// (the message adds the full length after it), and every character that cannot be shown
// (control characters, a lone surrogate; broken UTF-8 already reads as U+FFFD) is shown as
// U+FFFD.
inline constexpr qsizetype kVistTegn = 40;

inline QString VistKalibreringTekst(const QString& storedText) {
  QString vist;
  const qsizetype n = storedText.size();
  for (qsizetype i = 0; i < n && i < kVistTegn; ++i) {
    const QChar c = storedText[i];
    const bool par = c.isHighSurrogate() && i + 1 < n && storedText[i + 1].isLowSurrogate();
    if (par && i + 1 < kVistTegn) {
      vist += c;
      vist += storedText[++i];
    } else if (c.isSurrogate() || c.category() == QChar::Other_Control) {
      vist += QChar(QChar::ReplacementCharacter);
    } else {
      vist += c;
    }
  }
  if (n > kVistTegn) vist += QStringLiteral("…");
  return vist;
}

// storedText: the text exactly as it stands in the settings file; file: the file's path.
inline QString UbrugeligKalibreringTekst(const QString& storedText, const QString& file) {
  return QStringLiteral(
             "Den gemte kalibrering af lækagehullets størrelse, \"%1\"%2, kan ikke bruges.\n"
             "Den står i indstillingsfilen:\n"
             "%3\n"
             "\n"
             "Programmet bruger i stedet standardværdien 1000, indtil du kalibrerer igen "
             "under Filer > Instillinger > Kalibrer.")
      .arg(VistKalibreringTekst(storedText),
           storedText.size() > kVistTegn ? QStringLiteral(" (%1 tegn)").arg(storedText.size()) : QString(),
           file);
}

// The settings file is there but cannot be read at all (no read permission, a folder in
// its place): there is no stored text to quote, so the message names the file instead.
inline QString UlaeseligKalibreringsfilTekst(const QString& file) {
  return QStringLiteral(
             "Indstillingsfilen med kalibreringen af lækagehullets størrelse kan ikke læses:\n"
             "%1\n"
             "\n"
             "Programmet bruger i stedet standardværdien 1000. Kontrollér filens rettigheder, "
             "eller kalibrér igen under Filer > Instillinger > Kalibrer.")
      .arg(file);
}

}  // namespace vesparo

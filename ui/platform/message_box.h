// The program's message box: a text, a title (the program title unless another is named),
// an OK button only, the exclamation icon or none. Modal to the whole application and
// blocking until the user closes it. A line feed and a carriage return followed by a line
// feed each make one line break.
#pragma once

#include <QString>

class QWidget;

namespace vesparo {

enum class BeskedIkon { Ingen, Udraabstegn };

// The object name of the box, so that tests and accessibility tools can find it.
inline constexpr const char* kBeskedObjektnavn = "VesparoBesked";

void VisBesked(QWidget* owner, const QString& tekst, const QString& titel = QString(),
               BeskedIkon ikon = BeskedIkon::Ingen);

// The text as the box shows it: "\r\n" and a lone "\n" both become one "\n".
QString NormaliserLinjeskift(const QString& tekst);

}  // namespace vesparo

// The main window's layout: every control with its kind, container, caption, position and
// size in twips (relative to its container's top-left corner; the window's client area
// below the menu bar for the controls placed directly on it) and its tab index. This is
// the only place where the layout is written down; frmVesparoMain builds the window from
// it, converting at 15 twips per pixel.
#pragma once

namespace vesparo::hovedvindue {

enum class Art { Billede, Ramme, Tekstboks, Figur, Rullebjaelke, Etiket, Statuslinje, Link };
enum class Justering { Venstre, Centreret, Hoejre };

inline constexpr int kIngenTab = -1;
// The container of the controls placed directly on the window.
inline constexpr const char* kVindue = "";

struct Kontrol {
  const char* navn;
  Art art;
  const char* i;      // the container's name, kVindue for the window
  const char* tekst;  // caption of frames and labels
  int left, top, width, height;
  int tab;
  Justering justering = Justering::Venstre;  // text boxes only
};

// The window's client area in the restored state, below the menu bar.
inline constexpr int kKlientBredde = 11484;
inline constexpr int kKlientHoejde = 8340;

// In order of creation: a container comes before what it holds, and later controls lie
// above earlier ones.
inline constexpr Kontrol kKontroller[] = {
    {"Picture2", Art::Billede, kVindue, "", 120, 120, 2124, 504, 39},
    {"FrameØ", Art::Ramme, kVindue, "Lækagehulstværsnit", 120, 1800, 6240, 6240, 22},
    {"FrameTxtAreal", Art::Ramme, "FrameØ", "Areal i mm2 =", 120, 5520, 1215, 615, 33},
    {"TextAreal", Art::Tekstboks, "FrameTxtAreal", "", 120, 240, 975, 285, 34, Justering::Centreret},
    {"ShapeØ", Art::Figur, "FrameØ", "", 840, 720, 1995, 1995, kIngenTab},
    {"FrameSkyder", Art::Ramme, kVindue, "Stil skyderne til de aktuelle inputs!", 6480, 5640, 4815, 2415, 18},
    {"Frame2", Art::Ramme, "FrameSkyder", "Angiv lækagehullets diameter i mm", 120, 240, 4575, 615, 21},
    {"HScrollØ", Art::Rullebjaelke, "Frame2", "", 1080, 240, 3375, 255, 1},
    {"TextØ", Art::Tekstboks, "Frame2", "", 120, 240, 855, 285, 5},
    {"Frame1", Art::Ramme, "FrameSkyder", "Angiv trykket i Bar", 120, 960, 4575, 615, 20},
    {"TextBar", Art::Tekstboks, "Frame1", "", 120, 240, 855, 285, 4},
    {"HScrollBar", Art::Rullebjaelke, "Frame1", "", 1080, 240, 3375, 255, 2},
    {"Frame3", Art::Ramme, "FrameSkyder", "Angiv kubikmeterpris i Kr.", 120, 1680, 4575, 615, 19},
    {"TextKrPerKubik", Art::Tekstboks, "Frame3", "", 120, 240, 855, 285, 0},
    {"HScrollKubikPris", Art::Rullebjaelke, "Frame3", "", 1080, 240, 3375, 255, 3},
    {"FrameEval", Art::Ramme, kVindue, "Beregnede værdier", 6480, 1800, 4815, 3015, 17},
    {"TextKrMd", Art::Tekstboks, "FrameEval", "", 3360, 1560, 1335, 285, 36, Justering::Hoejre},
    {"TextMM", Art::Tekstboks, "FrameEval", "", 3360, 1200, 1335, 285, 35, Justering::Hoejre},
    {"TextKrAr", Art::Tekstboks, "FrameEval", "", 3360, 2520, 1335, 285, 6, Justering::Hoejre},
    {"TextMAr", Art::Tekstboks, "FrameEval", "", 3360, 2160, 1335, 285, 7, Justering::Hoejre},
    {"TextMD", Art::Tekstboks, "FrameEval", "", 3360, 240, 1335, 285, 9, Justering::Hoejre},
    {"TextKrD", Art::Tekstboks, "FrameEval", "", 3360, 600, 1335, 285, 8, Justering::Hoejre},
    {"TextMH", Art::Tekstboks, "FrameEval", "", 960, 2160, 1335, 285, 11, Justering::Hoejre},
    {"TextKrH", Art::Tekstboks, "FrameEval", "", 960, 2520, 1335, 285, 10, Justering::Hoejre},
    {"TextKrMin", Art::Tekstboks, "FrameEval", "", 960, 1560, 1335, 285, 12, Justering::Hoejre},
    {"TextLMin", Art::Tekstboks, "FrameEval", "", 960, 1200, 1335, 285, 13, Justering::Hoejre},
    {"TextKrSek", Art::Tekstboks, "FrameEval", "", 960, 600, 1335, 285, 14, Justering::Hoejre},
    {"TextLSek", Art::Tekstboks, "FrameEval", "", 960, 225, 1335, 285, 15, Justering::Hoejre},
    {"LabelKrM", Art::Etiket, "FrameEval", "Kr./Md.", 2520, 1575, 615, 255, 38},
    {"LabelMM", Art::Etiket, "FrameEval", "M3/Md.", 2520, 1215, 615, 255, 37},
    {"LabelKrA", Art::Etiket, "FrameEval", "Kr./År", 2520, 2550, 735, 255, 32},
    {"LabelM3A", Art::Etiket, "FrameEval", "M3/År", 2520, 2190, 735, 255, 31},
    {"LabelKrD", Art::Etiket, "FrameEval", "Kr./Døgn", 2520, 630, 735, 255, 30},
    {"LabelM3D", Art::Etiket, "FrameEval", "M3/Døgn", 2520, 270, 735, 255, 29},
    {"LabelKrH", Art::Etiket, "FrameEval", "Kr./h", 120, 2520, 735, 255, 28},
    {"LabelM3H", Art::Etiket, "FrameEval", "M3/h", 120, 2190, 735, 255, 27},
    {"LabelKrMin", Art::Etiket, "FrameEval", "Kr./Min.", 120, 1590, 735, 255, 26},
    {"LabelLMin", Art::Etiket, "FrameEval", "Liter/Min.", 120, 1230, 735, 255, 25},
    {"LabelKrSek", Art::Etiket, "FrameEval", "Kr./Sek", 120, 630, 855, 255, 24},
    {"LabelLSek", Art::Etiket, "FrameEval", "Liter/Sek. ", 120, 255, 735, 255, 23},
    {"StatusBar1", Art::Statuslinje, kVindue, "", 0, 8100, 11484, 240, 16},
    {"VBCLNKHyperLinkWL2", Art::Link, kVindue, "", 240, 1440, 1812, 216, 42},
    {"VBCLNKHyperLinkWL1", Art::Link, kVindue, "", 240, 1200, 1590, 225, 41},
    {"LblQN", Art::Etiket, kVindue, "QN VAND APS Fon: 12 34 56 78 ", 240, 960, 2415, 255, 40},
};

struct Skyder {
  const char* navn;
  int minimum, maksimum, pil, side;
};

inline constexpr Skyder kSkydere[] = {
    {"HScrollØ", 0, 1000, 1, 10},
    {"HScrollBar", 0, 100, 1, 1},
    {"HScrollKubikPris", 0, 5000, 1, 10},
};

// Which caption names a text box or slider for assistive technology: the label beside a
// result box, the frame around an input.
struct Navngivning {
  const char* kontrol;
  const char* navnFra;
};

inline constexpr Navngivning kTilgaengeligeNavne[] = {
    {"TextØ", "Frame2"},          {"HScrollØ", "Frame2"},
    {"TextBar", "Frame1"},        {"HScrollBar", "Frame1"},
    {"TextKrPerKubik", "Frame3"}, {"HScrollKubikPris", "Frame3"},
    {"TextAreal", "FrameTxtAreal"},
    {"TextLSek", "LabelLSek"},    {"TextKrSek", "LabelKrSek"},
    {"TextLMin", "LabelLMin"},    {"TextKrMin", "LabelKrMin"},
    {"TextMH", "LabelM3H"},       {"TextKrH", "LabelKrH"},
    {"TextMD", "LabelM3D"},       {"TextKrD", "LabelKrD"},
    {"TextMM", "LabelMM"},        {"TextKrMd", "LabelKrM"},
    {"TextMAr", "LabelM3A"},      {"TextKrAr", "LabelKrA"},
};

// StatusBar1's six panels, numbered from 1 in this order.
enum class PanelArt { Tekst, Dato, Tid };

struct StatusPanel {
  PanelArt art;
  const char* tekst;
  Justering justering;
  bool fjeder;  // a spring panel shares the free width; the others keep theirs
  int bredde;   // twips: the fixed width, or a spring panel's width when created
};

inline constexpr StatusPanel kStatusPaneler[] = {
    {PanelArt::Tekst, "Skærmopløsningn: ", Justering::Venstre, false, 1452},
    {PanelArt::Tekst, "", Justering::Venstre, true, 96},
    {PanelArt::Tekst, "Dato: ", Justering::Hoejre, false, 528},
    {PanelArt::Dato, "", Justering::Centreret, true, 840},
    {PanelArt::Tekst, "Tid: ", Justering::Hoejre, false, 408},
    {PanelArt::Tid, "", Justering::Centreret, true, 444},
};

// The panel that shows the screen resolution.
inline constexpr int kOploesningsPanel = 2;

// The maker: a company of our own invention, with a reserved example domain and a
// telephone number that is obviously not real.
inline constexpr const char* kWebAdresse = "https://www.example.com";
inline constexpr const char* kMailAdresse = "info@example.com";

}  // namespace vesparo::hovedvindue

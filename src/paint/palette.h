#pragma once
// The painting palette (DAUBERYDLG): the brush width, blur and density, the
// screen scale and the mouse command are picked there and act at once; the
// colour chooser and the sample stroke; and the actions that need the main
// window, which the palette leaves as a result code for its opener to run
// after it has closed. Beside it, its two small choosers: picture input and
// output (DBRYIODLG) and the help topics (DBRYHELPDLG).

namespace daub {
struct App;
class Dc;

// The palette's result codes (App::palette_result).
enum PaletteResult : int {
  kPaletteOk = 0,      // repaint
  kPaletteCancel = 1,  // put back what the palette changed
  kPaletteFileIn = 2,  // the input/output chooser's four actions
  kPaletteFileOut = 3,
  kPaletteClipboardIn = 4,
  kPaletteClipboardOut = 5,
  kPalettePrint = 6,
  kPaletteViewHome = 7,    // world (0, 0) to the top-left corner
  kPaletteCanvasHome = 8,  // canvas 1 to world (0, 0)
  kPaletteUndo = 9,
  kPaletteStandardView = 10,
  kPaletteEraseCanvas = 11,
};

// Command 1112: runs the palette, then acts on its result code. Cancel puts
// back the mouse command, the whole drawing settings record and the brush
// width, blur and density as they were when it opened; every other code
// keeps what was changed in it. Returns the command id that the result asks
// the main window to run (the picture input/output, print, undo, standard
// view and erase actions), 0 when there is none.
int open_palette(App& app);

// DBRYIODLG: 1 when one of the four actions was chosen (the result code is
// then set to 2..5), 0 when cancelled (the code is left alone).
int palette_io_chooser(App& app);

// DBRYHELPDLG: each topic button shows its text; returns when cancelled.
void palette_help_chooser(App& app);

// The palette's sample: a straight stroke with the current brush and colour
// on a 150 × 80 white picture, drawn 1:1 at the palette's client (60, 180).
// Returns 1 when drawn.
int draw_palette_sample(App& app, Dc& dc);

}  // namespace daub

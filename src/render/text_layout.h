#pragma once
// Laying out a text element character by character. The layout is a pure
// function of the bytes, the element's format and the metrics the device
// reports for its font enlarged by the standard print ratio k: every
// character gets a cell with its own world position (relative to the
// anchor, then rotated by the escapement), so positions do not depend on the
// view scale. Letter elements break lines at any character and let closing
// punctuation hang past the line end; english elements wrap whole words.

#include <string_view>
#include <vector>

#include "geometry/point.h"
#include "model/records.h"
#include "model/text_state.h"

namespace daub {
struct App;
class Dc;

// One character: its bytes, where it is and how large. Lengths are world
// units. P1 is the top-left corner the character is drawn at; P2 lies at its
// right edge, half a line height down.
struct CharCell {
  char bytes[3] = {};
  int byte_count = 1;  // 1 or 2 (a double-byte character, or CR LF)
  int visible = 1;     // 0 for line breaks and tabs
  int number = 0;      // from 1
  int end_offset = 0;  // byte offset just after the character
  int column = 0;      // within its line, from 0
  int line = 0;
  double W = 0;   // average character width
  double H = 0;   // line height
  double cx = 0;  // extent of the character
  double cy = 0;
  DPoint p1, p2;
};

// The bytes of the character starting at `at`: 2 for a lead byte followed
// by a trail byte and for CR LF, else 1.
int char_length(std::string_view bytes, std::size_t at);
bool is_line_break(const CharCell& cell);

// wisejisstrmake: one cell per character with its bytes, count, number and
// end offset; at most `max_chars` cells (`cut` tells whether more were
// left out).
std::vector<CharCell> split_cells(std::string_view bytes, int max_chars, bool& cut);

// Fills W, H, cx and cy from the device with the font enlarged by k.
void measure_cells(std::vector<CharCell>& cells, Dc& dc, const LogFont& font, double k);

// The line length of a format: n·W + (n − 1)·W·s.
double line_length(int chars_per_line, double W, double spacing);
// The first of 30 tab stops (the intervals repeated from the first one
// below 1e-10, accumulated, times W) beyond x; x when there is none or no
// tabs at all.
double tab_stop(const double (&tabs)[10], double x, double W);
// Stretches the line from a to e towards the line length L with the stored
// bound m; t is the character that ended the line (or e). Every character
// from a to t moves right by the stretch of the bytes before it.
void justify(std::vector<CharCell>& cells, int a, int e, int t, double L, double m);

// The layouts proper, on measured cells, before rotation.
void letter_layout(std::vector<CharCell>& cells, const TextRecord& format);
void english_layout(std::vector<CharCell>& cells, const TextRecord& format);
// P1 and P2 of every cell rotated by −escapement/10 degrees and put at the anchor.
void rotate_cells(std::vector<CharCell>& cells, DPoint anchor, int escapement);
void rotate_cell(CharCell& cell, DPoint anchor, int escapement);

// The layout entry: split (with the message when the text has more than
// the maximum number of displayed characters, unless kSilent), measure, lay
// out, rotate. Empty for an element without bytes.
enum class LayoutMessage { kShow, kSilent };
std::vector<CharCell> textlayout(App& app, Dc& dc, const TextRecord& record, std::string_view bytes,
                                 TextKind kind, LayoutMessage report = LayoutMessage::kShow);

// The caret before the first character: number 0, end offset 0, column −1,
// a space's byte, not visible, P1 (−W, 0) and P2 (0, H/2) before rotation.
CharCell start_cell(double W, double H, DPoint anchor, int escapement);

}  // namespace daub

#pragma once
// The whole state of the program, in one object made of plain sub-records.
// Every operation takes App& first; it stands for the main window that owns the
// message boxes, and gives access to the platform services.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geometry/angle.h"
#include "geometry/point.h"
#include "model/block.h"
#include "model/brush_params.h"
#include "model/canvas.h"
#include "model/records.h"
#include "model/settings.h"
#include "model/stocks.h"
#include "model/text_state.h"
#include "model/tracing.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/input_box.h"
#include "platform/ui.h"

namespace daub {

constexpr int kButtonDown = 513;  // WM_LBUTTONDOWN
constexpr int kButtonUp = 514;    // WM_LBUTTONUP

// What the mouse and the commands are working on.
struct Interaction {
  std::uint16_t mousecmd = 0;
  int dispmode = 0;
  int nowlayer = 1;
  int lastbutton = kButtonUp;
  IntPoint pressscreen, releasescreen;
  IntPoint pointerscreen;  // where the pointer was last seen while the button was down
  DPoint pressworld, releaseworld;
  PointDir dragvector;
  std::array<DPoint, 10> movefirst{};
  int movefirstcount = 0;
  std::array<DPoint, 10> moverecent{};  // newest first
  int moverecentcount = 0;
  std::vector<IntPoint> strokepoints;  // client positions of the current brush drag
  PointDir nowpoint;
  int nowpointvalid = 0;
  PointDir heldpoint;
  int heldpointvalid = 0;
  LineRecord nowline;
  int nowlinevalid = 0;  // element number of the current line, 0 = none
  int nowletter = 0;
  int nowenglish = 0;
  int nowbmp = 0;
  int nowrgn = 0;
  int englishentry = 0;
  int readingmode = 0;
};

// The view besides the fields kept in the settings (centre, scale).
struct View {
  int vieworigin_x = 0;  // world point shown at the view centre
  int vieworigin_y = 0;
  DPoint viewworldmin, viewworldmax;
  int client_width = 800;
  int client_height = 600;
};

// Names and folders kept beside the drawing (UTF-8 paths).
struct Files {
  std::string titlebuf = "Daubery";
  std::string current_file = "drawdata.skl";
  std::string sklname = "drawdata.skl";
  std::string bmpname = "drawdata.bmp";
  std::string txtname = "drawdata.txt";
  std::string pagename = "page0000.skl";
  std::string working_folder;
  std::string page_folder;
  std::string title;  // the title last set on the window
};

// What the construction commands measure with.
struct Construction {
  double distance = 10.0;                 // "注目距離", world units
  double arc_angle = 10.0 * kPi / 180.0;  // arc division angle, radians
};

// Fingerprints of what was last read from or written to a file (or made at
// start-up): the drawing in its compacted form and each canvas's picture.
// Closing the window asks about what no longer matches.
struct Saved {
  std::uint64_t drawing = 0;
  std::array<std::uint64_t, kCanvasSlots> canvases{};
};

struct App {
  App(Ui& ui_, Clipboard& clipboard_) : ui(ui_), clipboard(clipboard_) {}
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Ui& ui;
  Clipboard& clipboard;

  Block drawing;
  Settings settings;
  Interaction in;
  View view;
  Files files;
  InputBoxState input;
  Construction construction;
  Colorref last_chosen_color = 0xFFFFFF;   // where the colour choosers but the palette's start
  std::vector<ExtractionItem> line_stock;  // the line extraction list ("抽出線")
  std::array<TextStock, 2> text_stocks;    // letter and english selection sets
  BitmapStock bitmap_stock;                // the bitmap selection set
  std::optional<Block> spare;              // the spare screen ("予備画面")
  std::vector<DPoint> enclosure;           // the enclosure outline ("囲み線"), world points
  BrushParams brush;                       // the soft brush of the canvases
  double chord_tolerance = 1.07;  // how far a stroke may stray from a chord and still be one
  Canvases canvases;              // the three full-colour canvases and their undo copy
  TextEditing text;               // carets, the text buffer and pending character messages
  Saved saved;
  TracingState tracing;  // the shadow and the tracing parameters

  // The palette's last result code, acted on after it closes.
  int palette_result = 0;

  // Largest size the drawing block may grow to (offsets are 32-bit); tests lower it.
  std::uint64_t block_limit = 0xFFFFFFFFull;
};

}  // namespace daub

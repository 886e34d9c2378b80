// Canvas commands: the whole-picture operations with their parameter input,
// the canvases' BMP files and clipboard pictures, a new picture the size of
// another canvas, and canvas 1 as a bitmap element of the drawing.
//
// Every change selects its canvas for change just before the picture is
// replaced, so one undo brings the old picture back; a cancelled input, a
// parameter out of range or a canvas without a picture changes nothing (the
// undo copy included).

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "drawing/bitmaps.h"
#include "drawing/drawing_file.h"
#include "drawing/enclosure.h"
#include "model/app.h"
#include "paint/canvas.h"
#include "paint/canvas_burn.h"
#include "paint/canvas_ops.h"
#include "paint/cut_picture.h"
#include "paint/matte.h"
#include "picture/clipboard_pictures.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "reading/file_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519944444;
constexpr int kCanvasMode = 2;
constexpr int kBitmapMode = 4;

enum class Kind {
  kScale,
  kScaleXY,
  kCompress,
  kRotate,
  kSize,
  kMultiply,
  kMultiplyCurve,
  kUniformMultiply,
  kUniformMultiplyCurve,
  kAdd,
  kAddCurve,
  kUniformAdd,
  kUniformAddCurve,
  kKeepRed,
  kKeepGreen,
  kKeepBlue,
  kNegative,
  kGrey,
  kFill,
  kMirror,
  kReadFile,
  kWriteFile,
  kFromClipboard,
  kToClipboard,
  kBurn,
  kSoftBurn,
  kTurnRight,
  kTurnLeft,
  kTurnHalf,
};

// The operations come in threes, one id per canvas.
struct SlotIds {
  std::array<int, 3> ids;
  Kind kind;
};

constexpr SlotIds kSlotIds[] = {
    {{652, 701, 731}, Kind::kScale},
    {{797, 798, 799}, Kind::kScaleXY},
    {{667, 705, 734}, Kind::kCompress},
    {{686, 703, 733}, Kind::kRotate},
    {{683, 692, 722}, Kind::kSize},
    {{679, 715, 744}, Kind::kMultiply},
    {{801, 803, 805}, Kind::kMultiplyCurve},
    {{750, 748, 752}, Kind::kUniformMultiply},
    {{802, 804, 806}, Kind::kUniformMultiplyCurve},
    {{681, 716, 745}, Kind::kAdd},
    {{913, 916, 918}, Kind::kAddCurve},
    {{751, 749, 753}, Kind::kUniformAdd},
    {{914, 917, 919}, Kind::kUniformAddCurve},
    {{781, 786, 791}, Kind::kKeepRed},
    {{782, 787, 792}, Kind::kKeepGreen},
    {{783, 788, 793}, Kind::kKeepBlue},
    {{779, 784, 789}, Kind::kNegative},
    {{780, 785, 790}, Kind::kGrey},
    {{685, 702, 732}, Kind::kFill},
    {{881, 882, 883}, Kind::kMirror},
    {{671, 690, 720}, Kind::kReadFile},
    {{672, 691, 721}, Kind::kWriteFile},
    {{648, 688, 718}, Kind::kFromClipboard},
    {{649, 689, 719}, Kind::kToClipboard},
    {{669, 713, 742}, Kind::kBurn},
    // Canvas 1 has no soft burn, and canvas 3 no left or half turn, of its own.
    {{0, 714, 743}, Kind::kSoftBurn},
    {{774, 776, 778}, Kind::kTurnRight},
    {{874, 879, 0}, Kind::kTurnLeft},
    {{885, 890, 0}, Kind::kTurnHalf},
};

// Up to three numbers asked for in the input box: the prompt, the printf and
// scanf format, how many values and their defaults.
struct Ask {
  const char* prompt;
  const char* format;
  int count;
  std::array<double, 3> initial;
};

constexpr Ask kScaleAsk{"拡大率入力", "%lf", 1, {1.0}};
constexpr Ask kScaleXYAsk{"幅拡大率、高さ拡大率", "%lf,%lf", 2, {1.0, 1.0}};
constexpr Ask kRotateAsk{"回転角入力", "%lf", 1, {0.0}};
constexpr Ask kMultiplyAsk{
    "赤,緑,青色掛算比率（ゼロ以上、１で等倍）", "%lf,%lf,%lf", 3, {1.0, 1.0, 1.0}};
constexpr Ask kUniformMultiplyAsk{"３色均一掛算比率（ゼロ以上、１で等倍）", "%lf", 1, {1.0}};
constexpr Ask kAddAsk{"赤,緑,青色加算値（最大１、マイナスは減算）", "%lf,%lf,%lf", 3, {0, 0, 0}};
constexpr Ask kUniformAddAsk{"３色均一加算値（最大１、マイナスは減算）", "%lf", 1, {0}};

// The values typed, or none after a cancel or a text that does not scan to
// all of them.
std::optional<std::array<double, 3>> ask(App& app, const Ask& a) {
  const std::array<double, 3>& d = a.initial;
  std::string initial = a.count == 1   ? printf_text(a.format, d[0])
                        : a.count == 2 ? printf_text(a.format, d[0], d[1])
                                       : printf_text(a.format, d[0], d[1], d[2]);
  if (input_box(app.ui, app.input, a.prompt, initial) != 1) return std::nullopt;
  std::array<double, 3> v{};
  if (std::sscanf(app.input.buffer.c_str(), a.format, &v[0], &v[1], &v[2]) != a.count)
    return std::nullopt;
  return v;
}

// Two whole numbers ("%d" or "%d,%d"), the same way.
std::optional<std::array<int, 2>> ask_ints(App& app, const char* prompt, const char* format,
                                           int count, std::array<int, 2> d) {
  std::string initial = count == 1 ? printf_text(format, d[0]) : printf_text(format, d[0], d[1]);
  if (input_box(app.ui, app.input, prompt, initial) != 1) return std::nullopt;
  std::array<int, 2> v{};
  if (std::sscanf(app.input.buffer.c_str(), format, &v[0], &v[1]) != count) return std::nullopt;
  return v;
}

bool all_at_least_zero(const std::array<double, 3>& v, int count) {
  for (int i = 0; i < count; ++i)
    if (!(std::isfinite(v[static_cast<std::size_t>(i)]) && v[static_cast<std::size_t>(i)] >= 0))
      return false;
  return true;
}

void show_framed(CanvasSlot& s) {
  s.shown = 1;
  s.frame = 1;
}

void place_at_current_point(App& app, CanvasSlot& s) {
  if (!app.in.nowpointvalid) return;
  s.x = app.in.nowpoint.x;
  s.y = app.in.nowpoint.y;
}

// Runs the operation on the canvas's picture; when it changed the picture
// the old one becomes the undo copy. A result too large for the picture
// toolkit is reported and changes nothing, the undo copy included.
template <class Op>
void change_picture(App& app, int slot, Op op) {
  CanvasSlot& s = *canvas_slot(app, slot);
  if (!has_picture(s)) return;
  std::optional<Dib> before = DIBcopy(app, s.image);
  if (!before) return;
  const OpStatus status = op(s.image);
  if (status == OpStatus::kTooLarge) report_dib_problem(app, "MakeDIB", DibProblem::kTooLarge);
  if (status == OpStatus::kDone) keep_for_undo(app, slot, std::move(*before));
}

// A picture that was read elsewhere and accepted becomes the canvas's.
void accept_picture(App& app, int slot, Dib& picture) {
  select_canvas_for_change(app, slot);
  canvas_slot(app, slot)->image.swap(picture);
}

void scale_command(App& app, int slot, const Ask& a) {
  std::optional<std::array<double, 3>> v = ask(app, a);
  if (!v || !all_at_least_zero(*v, a.count)) return;
  const double ky = a.count == 2 ? (*v)[1] : (*v)[0];
  change_picture(app, slot, [&](Dib& d) { return scale_picture(d, (*v)[0], ky); });
}

void compress_command(App& app, int slot) {
  std::optional<std::array<int, 2>> n = ask_ints(app, "圧縮率入力", "%d", 1, {2, 0});
  if (!n || (*n)[0] < 1) return;
  change_picture(app, slot, [&](Dib& d) { return compress_picture(d, (*n)[0]); });
}

void rotate_command(App& app, int slot) {
  std::optional<std::array<double, 3>> v = ask(app, kRotateAsk);
  if (!v || !all_at_least_zero(*v, 1)) return;
  change_picture(app, slot, [&](Dib& d) { return rotate_picture(d, (*v)[0] * kRadiansPerDegree); });
}

// A new picture of the typed size in the current colour, placed at the
// current point when there is one.
void size_command(App& app, int slot) {
  CanvasSlot& s = *canvas_slot(app, slot);
  show_framed(s);
  DibInfo info = dib_info(s.image);
  std::array<int, 2> now =
      info.ok() ? std::array<int, 2>{info.width, info.height} : std::array<int, 2>{50, 50};
  std::optional<std::array<int, 2>> v = ask_ints(app, "ビットマップ幅、高さ", "%d,%d", 2, now);
  if (!v || (*v)[0] < 0 || (*v)[1] < 0) return;
  Dib picture;
  if (size_picture(picture, (*v)[0], (*v)[1], app.settings.color) == OpStatus::kTooLarge) {
    report_dib_problem(app, "MakeDIB", DibProblem::kTooLarge);
    return;
  }
  accept_picture(app, slot, picture);
  place_at_current_point(app, s);
}

// Multiply (curve) or add (curve): three channel values or one for all.
void channel_command(App& app, int slot, const Ask& a, bool multiply, bool curve) {
  std::optional<std::array<double, 3>> v = ask(app, a);
  if (!v) return;
  if (multiply ? !all_at_least_zero(*v, a.count)
               : !(std::isfinite((*v)[0]) && std::isfinite((*v)[1]) && std::isfinite((*v)[2])))
    return;
  const Channels c = a.count == 1 ? uniform((*v)[0]) : Channels{(*v)[0], (*v)[1], (*v)[2]};
  change_picture(app, slot, [&](Dib& d) {
    return multiply ? multiply_picture(d, c, curve) : add_picture(d, c, curve);
  });
}

// A BMP file or the clipboard's picture (24-bit only) into the canvas; the
// canvas is shown and framed first and keeps its picture when nothing is
// accepted. Returns 1 when a picture was taken.
int read_picture(App& app, int slot, bool from_clipboard) {
  show_framed(*canvas_slot(app, slot));
  Dib picture;
  if (from_clipboard) {
    if (GetFullColorClipboadBmp(app, picture) == 0) return 0;
  } else {
    if (!bmp_dialog(app, FileDialogKind::kOpen)) return 0;
    const std::string path = path_in_folder(app.files.working_folder, app.files.bmpname);
    if (FullColorBmpFileInToHandle(app, path, picture) == 0) return 0;
  }
  accept_picture(app, slot, picture);
  if (!from_clipboard) mark_canvas_saved(app, slot);
  return 1;
}

void write_picture(App& app, int slot) {
  if (!bmp_dialog(app, FileDialogKind::kSave)) return;
  const std::string path = path_in_folder(app.files.working_folder, app.files.bmpname);
  if (picture_to_bmp_file(app, path, canvas_slot(app, slot)->image) == 1)
    mark_canvas_saved(app, slot);
}

void recolour(App& app, int slot, OpStatus (*op)(Dib&)) { change_picture(app, slot, op); }

void keep_channel(App& app, int slot, Channels v) {
  change_picture(app, slot, [v](Dib& d) { return add_picture(d, v, false); });
}

// The operations that need no parameters.
void plain_operation(App& app, Kind kind, int slot) {
  switch (kind) {
    case Kind::kKeepRed:
      return keep_channel(app, slot, {0, -1, -1});
    case Kind::kKeepGreen:
      return keep_channel(app, slot, {-1, 0, -1});
    case Kind::kKeepBlue:
      return keep_channel(app, slot, {-1, -1, 0});
    case Kind::kNegative:
      return recolour(app, slot, negative_picture);
    case Kind::kGrey:
      return recolour(app, slot, grey_picture);
    case Kind::kMirror:
      return recolour(app, slot, mirror_picture);
    case Kind::kTurnRight:
    case Kind::kTurnLeft:
    case Kind::kTurnHalf: {
      const int quarters = kind == Kind::kTurnRight ? 1 : kind == Kind::kTurnLeft ? -1 : 2;
      return change_picture(app, slot, [quarters](Dib& d) { return turn_picture(d, quarters); });
    }
    case Kind::kFill: {
      const Colorref color = app.settings.color;
      return change_picture(app, slot, [color](Dib& d) { return fill_picture(d, color); });
    }
    default:
      return;
  }
}

// Runs one canvas operation; returns false when the caller must not repaint.
bool run(App& app, Kind kind, int slot) {
  switch (kind) {
    case Kind::kScale:
      scale_command(app, slot, kScaleAsk);
      break;
    case Kind::kScaleXY:
      scale_command(app, slot, kScaleXYAsk);
      break;
    case Kind::kCompress:
      compress_command(app, slot);
      break;
    case Kind::kRotate:
      rotate_command(app, slot);
      break;
    case Kind::kSize:
      size_command(app, slot);
      break;
    case Kind::kMultiply:
    case Kind::kMultiplyCurve:
      channel_command(app, slot, kMultiplyAsk, true, kind == Kind::kMultiplyCurve);
      break;
    case Kind::kUniformMultiply:
    case Kind::kUniformMultiplyCurve:
      channel_command(app, slot, kUniformMultiplyAsk, true, kind == Kind::kUniformMultiplyCurve);
      break;
    case Kind::kAdd:
    case Kind::kAddCurve:
      channel_command(app, slot, kAddAsk, false, kind == Kind::kAddCurve);
      break;
    case Kind::kUniformAdd:
    case Kind::kUniformAddCurve:
      channel_command(app, slot, kUniformAddAsk, false, kind == Kind::kUniformAddCurve);
      break;
    case Kind::kReadFile:
    case Kind::kFromClipboard:
      if (read_picture(app, slot, kind == Kind::kFromClipboard))
        place_at_current_point(app, *canvas_slot(app, slot));
      break;
    case Kind::kWriteFile:
      write_picture(app, slot);
      return false;
    case Kind::kToClipboard:
      copy_picture_to_clipboard(app, canvas_slot(app, slot)->image);
      break;
    case Kind::kBurn:  // 669, 713, 742
    case Kind::kSoftBurn:
      burn_drawing(app, slot, kind == Kind::kSoftBurn);
      break;
    default:
      plain_operation(app, kind, slot);
      break;
  }
  return true;
}

bool slot_command(App& app, int id) {
  for (const SlotIds& set : kSlotIds) {
    for (int k = 0; k < 3; ++k) {
      if (id == 0 || set.ids[static_cast<std::size_t>(k)] != id) continue;
      if (run(app, set.kind, k + 1)) repaint(app);
      return true;
    }
  }
  return false;
}

// 759, 760: canvas 1 anew in the current colour with canvas 2's or 3's size,
// at the current point; 693, 694 and 723, 724 the same for canvases 2 and 3.
struct SizeOf {
  int id;
  int slot;
  int other;
};
constexpr SizeOf kSizeOf[] = {{759, 1, 2}, {760, 1, 3}, {693, 2, 1},
                              {694, 2, 3}, {723, 3, 1}, {724, 3, 2}};

void size_of_other(App& app, int slot, int other) {
  CanvasSlot& s = *canvas_slot(app, slot);
  show_framed(s);
  DibInfo info = dib_info(canvas_slot(app, other)->image);
  if (!info.ok()) return;
  Dib picture;
  if (size_picture(picture, info.width, info.height, app.settings.color) != OpStatus::kDone) return;
  accept_picture(app, slot, picture);
  place_at_current_point(app, s);
}

// 680, 807, 682, 915: canvas 2 combined into canvas 1 where they overlap,
// aligned by their positions.
struct Combination {
  int id;
  Combine how;
};
constexpr Combination kCombinations[] = {{680, Combine::kMultiply},
                                         {807, Combine::kScreen},
                                         {682, Combine::kAdd},
                                         {915, Combine::kSubtract}};

void combine_canvases(App& app, Combine how) {
  const CanvasSlot& one = *canvas_slot(app, 1);
  const CanvasSlot& two = *canvas_slot(app, 2);
  if (!has_picture(two)) return;
  const int ox = trunc_to_int(two.x - one.x), oy = trunc_to_int(two.y - one.y);
  change_picture(app, 1, [&](Dib& d) { return combine_pictures(d, two.image, ox, oy, how); });
}

bool combination_command(App& app, int id) {
  for (const Combination& c : kCombinations) {
    if (c.id != id) continue;
    combine_canvases(app, c.how);
    repaint(app);
    return true;
  }
  return false;
}

// 699, 700, 729, 730, 761, 762: one canvas becomes a copy of another, picture
// and position; the canvas copied onto is shown with its frame.
struct CanvasCopy {
  int id;
  int from, to;
};
constexpr CanvasCopy kCanvasCopies[] = {{699, 1, 2}, {700, 3, 2}, {729, 1, 3},
                                        {730, 2, 3}, {761, 2, 1}, {762, 3, 1}};

void copy_canvas(App& app, int from, int to) {
  const CanvasSlot& source = *canvas_slot(app, from);
  if (!has_picture(source)) return;
  Dib picture = source.image;
  CanvasSlot& target = *canvas_slot(app, to);
  show_framed(target);
  accept_picture(app, to, picture);
  target.x = source.x;
  target.y = source.y;
}

bool copy_command(App& app, int id) {
  for (const CanvasCopy& c : kCanvasCopies) {
    if (c.id != id) continue;
    copy_canvas(app, c.from, c.to);
    setdispmode(app, kCanvasMode);
    return true;
  }
  return false;
}

// 684, 695, 725: what the view shows inside the enclosure's rectangle
// becomes the canvas's picture, at the current point when there is one. A
// cut that fails keeps the old picture.
void cut_enclosure(App& app, int slot) {
  CanvasSlot& s = *canvas_slot(app, slot);
  show_framed(s);
  const std::optional<EnclosureRect> r = enclosure_rectangle(app);
  if (!r) return;
  std::optional<Dib> picture = CutMakeDIB(app, r->first, r->third);
  if (!picture) return;
  accept_picture(app, slot, *picture);
  place_at_current_point(app, s);
}

// 809, 823: a copy of canvas 1 as a bitmap element at the current point
// with the settings' rate, in the current layer.
void SetDrawBmp(App& app) {
  const Dib& image = canvas_slot(app, 1)->image;
  if (!has_picture(*canvas_slot(app, 1))) {
    message(app.ui, "SetDrawBmp", "no bmp data");
    return;
  }
  BitmapRecord tmpl;
  tmpl.x = app.in.nowpoint.x;
  tmpl.y = app.in.nowpoint.y;
  tmpl.rate = app.settings.bmp_rate;
  setbmp(app, tmpl, image, app.in.nowlayer);
}

bool size_of_other_command(App& app, int id) {
  for (const SizeOf& s : kSizeOf) {
    if (s.id != id) continue;
    size_of_other(app, s.slot, s.other);
    repaint(app);
    return true;
  }
  return false;
}

bool single_command(App& app, int id) {
  switch (id) {
    case 650:  // place and move canvas 1, 2, 3 by the mouse
    case 651:
    case 697:
    case 698:
    case 727:
    case 728:
      app.in.mousecmd = static_cast<std::uint16_t>(id);
      setdispmode(app, kCanvasMode);
      return true;
    case 1120:
    case 1121:
      read_picture(app, 1, id == 1121);
      repaint(app);
      return true;
    case 684:
    case 695:
    case 725:
      cut_enclosure(app, id == 684 ? 1 : id == 695 ? 2 : 3);
      setdispmode(app, kCanvasMode);
      return true;
    case 670:  // the drawing laid over canvas 1 through its matte
    case 824:
      matte_drawing(app, id == 670 ? MatteKey::kAllLines : MatteKey::kCurrentColor);
      repaint(app);
      return true;
    case 676:  // canvas 3 laid over canvas 1 through canvas 2
      compose_matte(app);
      repaint(app);
      return true;
    case 809:
    case 823:
      SetDrawBmp(app);
      setdispmode(app, kBitmapMode);
      return true;
    default:
      return false;
  }
}

// 673, 696, 726: the canvas's top-left goes to the current point; 905:
// canvas 1 back to the origin.
bool place_command(App& app, int id) {
  const int slot = id == 673 ? 1 : id == 696 ? 2 : id == 726 ? 3 : id == 905 ? 1 : 0;
  if (slot == 0) return false;
  if (id == 905) {
    place_canvas(app, 1, 0, 0);
  } else if (app.in.nowpointvalid) {
    place_canvas(app, slot, app.in.nowpoint.x, app.in.nowpoint.y);
  } else {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return true;
  }
  setdispmode(app, 2);
  return true;
}

}  // namespace

bool canvas_command(App& app, int id) {
  return slot_command(app, id) || size_of_other_command(app, id) || single_command(app, id) ||
         combination_command(app, id) || copy_command(app, id) || place_command(app, id);
}

}  // namespace daub

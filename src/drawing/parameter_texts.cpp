#include "drawing/parameter_texts.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "geometry/angle.h"
#include "model/app.h"
#include "platform/cp932.h"

namespace daub {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519944444;
constexpr std::size_t kBmpNameLimit = 128;
constexpr std::size_t kFaceLimit = 32;  // with its NUL

// How a field of a parameter text is stored in the settings record.
enum class Slot : std::uint8_t { kInt, kDouble, kByte };
struct Field {
  std::uint16_t offset;  // in the settings record
  Slot slot;
};

constexpr Field kFontFields[] = {{320, Slot::kInt},  {324, Slot::kInt},  {328, Slot::kInt},
                                 {332, Slot::kInt},  {336, Slot::kInt},  {340, Slot::kByte},
                                 {341, Slot::kByte}, {342, Slot::kByte}, {343, Slot::kByte},
                                 {344, Slot::kByte}, {345, Slot::kByte}, {346, Slot::kByte},
                                 {347, Slot::kByte}};
constexpr Field kFormatFields[] = {
    {384, Slot::kInt}, {392, Slot::kDouble}, {400, Slot::kDouble}, {408, Slot::kDouble}};
constexpr Field kTabFields[] = {{416, Slot::kDouble}, {424, Slot::kDouble}, {432, Slot::kDouble},
                                {440, Slot::kDouble}, {448, Slot::kDouble}, {456, Slot::kDouble},
                                {464, Slot::kDouble}, {472, Slot::kDouble}, {480, Slot::kDouble},
                                {488, Slot::kDouble}};
constexpr Field kBrushStyleFields[] = {{504, Slot::kInt}};
constexpr Field kHatchFields[] = {{136, Slot::kInt}, {144, Slot::kDouble}, {152, Slot::kDouble}};
constexpr Field kHatchTypeFields[] = {{136, Slot::kInt}};
constexpr Field kHatchWidthFields[] = {{144, Slot::kDouble}};
constexpr Field kBmpRateFields[] = {{640, Slot::kDouble}};
constexpr Field kPenStyleFields[] = {{496, Slot::kInt}};
constexpr Field kPenWidthFields[] = {{500, Slot::kInt}};
constexpr Field kDotFields[] = {
    {72, Slot::kDouble}, {80, Slot::kDouble}, {88, Slot::kInt}, {92, Slot::kInt}};
constexpr Field kPrintFields[] = {{48, Slot::kDouble}, {56, Slot::kDouble}, {64, Slot::kDouble}};
constexpr Field kGridFields[] = {{656, Slot::kDouble}, {664, Slot::kDouble}, {672, Slot::kDouble}};
// Point and colour texts are not settings fields; only their slots count.
constexpr Field kPointFields[] = {{0, Slot::kDouble}, {0, Slot::kDouble}, {0, Slot::kDouble}};
constexpr Field kColorFields[] = {{0, Slot::kInt}, {0, Slot::kInt}, {0, Slot::kInt}};

std::span<const Field> fields_of(ParamKind kind) {
  switch (kind) {
    case ParamKind::kPoint:
      return kPointFields;
    case ParamKind::kFont:
      return kFontFields;
    case ParamKind::kFormat:
      return kFormatFields;
    case ParamKind::kTabs:
      return kTabFields;
    case ParamKind::kBrushStyle:
      return kBrushStyleFields;
    case ParamKind::kHatchParam:
      return kHatchFields;
    case ParamKind::kHatchType:
      return kHatchTypeFields;
    case ParamKind::kHatchWidth:
      return kHatchWidthFields;
    case ParamKind::kBmpName:
      return {};
    case ParamKind::kBmpRate:
      return kBmpRateFields;
    case ParamKind::kPenStyle:
      return kPenStyleFields;
    case ParamKind::kPenWidth:
      return kPenWidthFields;
    case ParamKind::kDotParam:
      return kDotFields;
    case ParamKind::kColor:
      return kColorFields;
    case ParamKind::kPrintParam:
      return kPrintFields;
    case ParamKind::kGridParam:
      return kGridFields;
  }
  return {};
}

unsigned char* bytes_of(Settings& s) { return reinterpret_cast<unsigned char*>(&s); }
const unsigned char* bytes_of(const Settings& s) {
  return reinterpret_cast<const unsigned char*>(&s);
}

// The fields read from a text, as sscanf reads "%d,%lf,…": blanks before a
// number are skipped, each comma must follow the number before it at once,
// and reading stops at the first field that is not there. A field that is
// there but holds no usable value (not finite, beyond an int) spoils the
// whole text.
struct Scan {
  std::vector<double> values;
  bool spoiled = false;
  std::size_t end = 0;  // where reading stopped
};

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One number at text[pos]; false when there is none. `spoiled` when it is
// a number no field can hold.
bool read_number(std::string_view text, std::size_t& pos, Slot slot, double& out, bool& spoiled) {
  while (pos < text.size() && is_blank(text[pos])) ++pos;
  std::size_t start = pos;
  if (start < text.size() && text[start] == '+') {
    ++start;
    if (start < text.size() && text[start] == '-') return false;
  }
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  std::from_chars_result r{};
  if (slot == Slot::kDouble) {
    r = std::from_chars(first, last, out, std::chars_format::general);
    if (r.ec == std::errc() && !std::isfinite(out)) spoiled = true;
  } else {
    int v = 0;
    r = std::from_chars(first, last, v);
    out = v;
  }
  if (r.ec == std::errc::result_out_of_range) spoiled = true;
  if (r.ec != std::errc() || spoiled) return false;
  pos = static_cast<std::size_t>(r.ptr - text.data());
  return true;
}

Scan scan(std::string_view text, std::span<const Field> fields) {
  Scan s;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != ',') break;
      ++pos;
    }
    double v = 0;
    if (!read_number(text, pos, fields[i].slot, v, s.spoiled)) break;
    s.values.push_back(v);
  }
  s.end = pos;
  return s;
}

void store(Settings& s, const Field& f, double v) {
  unsigned char* at = bytes_of(s) + f.offset;
  if (f.slot == Slot::kDouble) {
    std::memcpy(at, &v, sizeof v);
  } else if (f.slot == Slot::kInt) {
    const auto i = static_cast<std::int32_t>(v);
    std::memcpy(at, &i, sizeof i);
  } else {
    // A byte field takes the low byte of its number.
    *at = static_cast<std::uint8_t>(static_cast<std::int32_t>(v) & 0xFF);
  }
}

double load(const Settings& s, const Field& f) {
  const unsigned char* at = bytes_of(s) + f.offset;
  if (f.slot == Slot::kDouble) {
    double v = 0;
    std::memcpy(&v, at, sizeof v);
    return v;
  }
  if (f.slot == Slot::kByte) return *at;
  std::int32_t i = 0;
  std::memcpy(&i, at, sizeof i);
  return i;
}

// "%d" or "%lf" (six decimals), whatever the locale.
void append_number(std::string& out, Slot slot, double v) {
  char buf[400];
  std::to_chars_result r =
      slot == Slot::kDouble ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6)
                            : std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(v));
  out.append(buf, r.ptr);
}

std::string numbers_text(std::span<const Field> fields, const double* values) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    append_number(out, fields[i].slot, values[i]);
  }
  return out;
}

// A prefix of at most `limit` bytes that does not end inside a character.
std::string_view cut_at_character(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t length =
        (is_lead_byte(static_cast<unsigned char>(text[end])) && end + 1 < text.size()) ? 2 : 1;
    if (end + length > limit) break;
    end += length;
  }
  return text.substr(0, end);
}

bool read_font(std::string_view text, Settings& s) {
  const Scan read = scan(text, kFontFields);
  if (read.spoiled || read.values.size() != std::size(kFontFields)) return false;
  if (read.end >= text.size() || text[read.end] != ',') return false;
  const std::string_view face = text.substr(read.end + 1);
  if (face.size() >= kFaceLimit) return false;
  for (std::size_t i = 0; i < read.values.size(); ++i) store(s, kFontFields[i], read.values[i]);
  std::memset(s.font.face_name, 0, sizeof s.font.face_name);
  std::memcpy(s.font.face_name, face.data(), face.size());
  return true;
}

bool read_tabs(std::string_view text, Settings& s) {
  const Scan read = scan(text, kTabFields);
  if (read.spoiled || read.values.empty() || !(read.values[0] > 1e-10)) return false;
  for (double& tab : s.tabs) tab = 0;
  for (std::size_t i = 0; i < read.values.size(); ++i) s.tabs[i] = read.values[i];
  return true;
}

bool read_numbers(ParamKind kind, std::string_view text, Settings& s, PointDir& nowpoint) {
  const std::span<const Field> fields = fields_of(kind);
  const Scan read = scan(text, fields);
  if (read.spoiled || read.values.size() != fields.size()) return false;
  const std::vector<double>& v = read.values;
  switch (kind) {
    case ParamKind::kPoint:
      nowpoint = PointDir{v[0], v[1], normalize_angle(v[2] * kRadiansPerDegree)};
      return true;
    case ParamKind::kColor:
      for (double c : v)
        if (c < 0 || c > 255) return false;
      s.color = rgb(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]));
      return true;
    case ParamKind::kFormat:
      if (v[0] < 1) return false;
      break;
    default:
      break;
  }
  for (std::size_t i = 0; i < fields.size(); ++i) store(s, fields[i], v[i]);
  return true;
}

constexpr ParamCommand kCommands[] = {
    {ParamKind::kPoint, 119, 118, "spotvtpaste", "spotvtpaste", false},
    {ParamKind::kFont, 212, 211, "nowfontpaste", "nowfontpaste", false},
    {ParamKind::kFormat, 214, 213, "nowformatpaste", "nowformtpaste", false},
    {ParamKind::kTabs, 351, 350, "nowtabparampaste", "nowtabparampaste", false},
    {ParamKind::kBrushStyle, 216, 215, "nowbrstylepaste", "nowbrstylepaste", true},
    {ParamKind::kHatchParam, 508, 507, "nowhatchparampaste", "nowatchparampaste", true},
    {ParamKind::kHatchType, 218, 217, "nowhatchtypepaste", "nowhatchtypepaste", true},
    {ParamKind::kHatchWidth, 220, 219, "nowhatchwidthpaste", "nowhatchwidthpaste", true},
    {ParamKind::kBmpName, 222, 221, "nowbmppaste", "nowbmppaste", false},
    {ParamKind::kBmpRate, 224, 223, "nowbmpratepaste", "nowbmpratepaste", false},
    {ParamKind::kPenStyle, 226, 225, "nowpenstylepaste", "nowpenstylepaste", true},
    {ParamKind::kPenWidth, 228, 227, "nowpenwidthpaste", "nowpenwidthpaste", true},
    {ParamKind::kDotParam, 510, 509, "nowdotparampaste", "nowdotparampaste", true},
    {ParamKind::kColor, 230, 229, "nowcolorpaste", "nowcolorpaste", true},
    {ParamKind::kPrintParam, 514, 513, "nowprintparampaste", "nowprintparampaste", true},
    {ParamKind::kGridParam, 512, 511, "gridparampaste", "gridparampaste", true},
};

// One row per kind, in the order of the kinds.
constexpr bool rows_follow_kinds() {
  for (std::size_t i = 0; i < std::size(kCommands); ++i)
    if (static_cast<std::size_t>(kCommands[i].kind) != i) return false;
  return std::size(kCommands) == static_cast<std::size_t>(ParamKind::kGridParam) + 1;
}
static_assert(rows_follow_kinds());

std::string_view up_to_nul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string param_text(ParamKind kind, const Settings& s, const PointDir& nowpoint) {
  const std::span<const Field> fields = fields_of(kind);
  switch (kind) {
    case ParamKind::kPoint: {
      const double v[] = {nowpoint.x, nowpoint.y, nowpoint.angle / kRadiansPerDegree};
      return numbers_text(fields, v);
    }
    case ParamKind::kColor: {
      const double v[] = {static_cast<double>(s.color & 255),
                          static_cast<double>((s.color >> 8) & 255),
                          static_cast<double>((s.color >> 16) & 255)};
      return numbers_text(fields, v);
    }
    case ParamKind::kBmpName:
      return std::string(up_to_nul(std::string_view(s.bmp_name, sizeof s.bmp_name)));
    default:
      break;
  }
  std::vector<double> values;
  for (const Field& f : fields) values.push_back(load(s, f));
  std::string text = numbers_text(fields, values.data());
  if (kind == ParamKind::kFont)
    text += "," + std::string(up_to_nul(std::string_view(s.font.face_name, kFaceLimit)));
  return text;
}

bool read_param_text(ParamKind kind, std::string_view text, Settings& s, PointDir& nowpoint) {
  text = up_to_nul(text);
  switch (kind) {
    case ParamKind::kBmpName: {
      const std::string_view name = cut_at_character(text, kBmpNameLimit);
      std::memset(s.bmp_name, 0, sizeof s.bmp_name);
      std::memcpy(s.bmp_name, name.data(), name.size());
      return true;
    }
    case ParamKind::kFont:
      return read_font(text, s);
    case ParamKind::kTabs:
      return read_tabs(text, s);
    default:
      return read_numbers(kind, text, s, nowpoint);
  }
}

const ParamCommand* param_command(int id) {
  for (const ParamCommand& c : kCommands)
    if (c.paste_id == id || c.copy_id == id) return &c;
  return nullptr;
}

int param_paste(App& app, const ParamCommand& command) {
  const std::optional<std::string> text = app.clipboard.text();
  if (!text) {
    message(app.ui, command.caption, "クリップボードにデータがありません");
    return 0;
  }
  if (!read_param_text(command.kind, *text, app.settings, app.in.nowpoint)) {
    message(app.ui, command.bad_caption, "読み取りできません");
    return 0;
  }
  if (command.kind == ParamKind::kPoint) app.in.nowpointvalid = 1;
  if (command.refresh) refresh_pens(app.settings);
  return 1;
}

void param_copy(App& app, const ParamCommand& command) {
  app.clipboard.set_text(param_text(command.kind, app.settings, app.in.nowpoint));
}

int clipdisp(App& app) {
  const std::optional<std::string> text = app.clipboard.text();
  if (!text) {
    message(app.ui, "clipdisp", "クリップボードにデータがありません");
    return 0;
  }
  message(app.ui, "clipbord", cp932_to_utf8(std::string(up_to_nul(*text))));
  return 1;
}

}  // namespace daub

#include "qt/qt_dc.h"

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace daub {

namespace {

// GDI's cosmetic dash, for the outlines Qt strokes itself.
const QVector<qreal> kDashPattern{18, 6};

// Far outside any device, yet small enough that widths and heights computed
// from two coordinates never overflow an int.
constexpr int kCoordLimit = 1 << 28;

int clamp_coord(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

int device_width(const DcPen& pen) { return std::clamp(pen.width, 1, kCoordLimit); }

// GDI's dash for one-pixel pens: 18 pixels drawn, then 6 left out.
constexpr std::int64_t kDashOn = 18;
constexpr std::int64_t kDashPeriod = 24;

// The QPen that draws what GDI draws with wider pens and polygon outlines.
// Wide pens are round-capped and round-joined like GDI's default geometric
// pens, so the segments of a curve meet without notches; only one-pixel pens
// can be dashed, wider ones and unknown styles draw solid.
QPen to_qpen(const DcPen& pen) {
  if (pen.style == kPenNull) return QPen(Qt::NoPen);
  QPen q(to_qcolor(pen.color));
  int width = device_width(pen);
  if (width == 1) {
    q.setWidth(1);
    q.setCosmetic(true);
    q.setCapStyle(Qt::SquareCap);
    q.setJoinStyle(Qt::MiterJoin);
    if (pen.style == kPenDash) q.setDashPattern(kDashPattern);
  } else {
    q.setWidth(width);
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
  }
  return q;
}

// Cuts a line whose ends lie absurdly far out down to a square that still
// holds every device, so the exact stepping below cannot overflow. Such a
// line may move by a pixel; lines of sane size are never touched. False when
// nothing of the line is left.
bool pull_in(IntPoint& a, IntPoint& b) {
  auto sane = [](IntPoint p) { return clamp_coord(p.x) == p.x && clamp_coord(p.y) == p.y; };
  if (sane(a) && sane(b)) return true;
  constexpr double kNear = 1 << 24;
  double x0 = a.x, y0 = a.y, dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  double t0 = 0, t1 = 1;
  // Liang-Barsky: p * t <= q for each of the four sides.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 + kNear, kNear - x0, y0 + kNear, kNear - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
    } else if (p[i] < 0) {
      t0 = std::max(t0, q[i] / p[i]);
    } else {
      t1 = std::min(t1, q[i] / p[i]);
    }
  }
  if (t0 > t1) return false;
  a = {static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy))};
  b = {static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy))};
  return true;
}

QBrush to_qbrush(const DcBrush& brush) {
  if (brush.kind == BrushKind::kNull) return QBrush(Qt::NoBrush);
  return QBrush(to_qcolor(brush.color));
}

// [left, right) x [top, bottom), empty when either side is not positive.
QRect half_open(int left, int top, int right, int bottom) {
  left = clamp_coord(left);
  top = clamp_coord(top);
  right = clamp_coord(right);
  bottom = clamp_coord(bottom);
  if (right <= left || bottom <= top) return {};
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace

QColor to_qcolor(Colorref c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

Colorref to_colorref(QRgb rgb) {
  return static_cast<Colorref>(qRed(rgb)) | static_cast<Colorref>(qGreen(rgb)) << 8 |
         static_cast<Colorref>(qBlue(rgb)) << 16;
}

QtDc::QtDc(QImage& image, PixelPath path) : QtDc(static_cast<QPaintDevice&>(image)) {
  path_ = path;
}

QtDc::QtDc(QPaintDevice& device) : owned_(std::make_unique<QPainter>(&device)) {
  painter_ = owned_.get();
  if (device.devType() == QInternal::Image) image_ = static_cast<QImage*>(&device);
  prepare_painter();
}

QtDc::QtDc(QPainter& painter) : painter_(&painter) {
  if (painter.device() && painter.device()->devType() == QInternal::Image)
    image_ = static_cast<QImage*>(painter.device());
  prepare_painter();
}

QtDc::~QtDc() = default;

void QtDc::prepare_painter() {
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtDc::move_to(int x, int y) { position_ = {x, y}; }

void QtDc::line_to(int x, int y) {
  IntPoint to{x, y};
  stroke(position_, to);
  position_ = to;
}

void QtDc::stroke(IntPoint from, IntPoint to) {
  // A line of no length draws nothing in GDI (Qt would set one pixel).
  if (from == to || pen_.style == kPenNull) return;
  if (device_width(pen_) == 1) {
    thin_line(from, to);
    return;
  }
  use_pen(pen_);
  painter_->drawLine(QPoint(clamp_coord(from.x), clamp_coord(from.y)),
                     QPoint(clamp_coord(to.x), clamp_coord(to.y)));
}

void QtDc::use_pen(const DcPen& pen) {
  if (!qpen_made_ || !(pen == qpen_for_)) {
    qpen_ = to_qpen(pen);
    qpen_for_ = pen;
    qpen_made_ = true;
  }
  // QPainter passes over a pen that shares the one it holds at once.
  painter_->setPen(qpen_);
}

// Writing straight into the image gives QPainter's bytes when the painter
// paints the whole image untransformed, replacing pixels with opaque colours.
// While the painter is active the image's rows are its own (a copy of a
// QImage being painted on is a deep copy), so bits() does not detach.
std::optional<QtDc::Rows> QtDc::direct_rows() {
  if (path_ != PixelPath::kFast || image_ == nullptr || image_->isNull()) return std::nullopt;
  const QImage::Format format = image_->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return std::nullopt;
  if (!painter_->isActive() || painter_->device() != image_ || painter_->hasClipping() ||
      !painter_->deviceTransform().isIdentity() || painter_->opacity() != 1.0 ||
      painter_->compositionMode() != QPainter::CompositionMode_SourceOver || !image_->isDetached())
    return std::nullopt;
  Rows rows;
  rows.bits = reinterpret_cast<std::uint32_t*>(image_->bits());
  rows.stride = image_->bytesPerLine() / 4;
  rows.width = image_->width();
  rows.height = image_->height();
  rows.opaque = format == QImage::Format_RGB32 ? 0 : 0xFF000000u;
  return rows;
}

// The area of the device in the painter's coordinates, one pixel wider all round.
QRect QtDc::visible_rect() const {
  QPaintDevice* device = painter_->device();
  QRect r = device ? QRect(0, 0, device->width(), device->height()) : QRect();
  if (painter_->transform().isIdentity()) return r.adjusted(-1, -1, 1, 1);
  return painter_->transform().inverted().mapRect(r).adjusted(-2, -2, 2, 2);
}

// One-pixel lines are stepped here rather than by Qt, whose stroker leaves
// out the last pixel only for lines running right or down and starts dashes
// at whichever end it likes. One pixel per step along the longer axis, the
// start included and the end left out, dashes counted from the start. Only
// the steps that can land on the device are walked; their pixels are
// written straight into the image when that is allowed, else drawn by Qt.
void QtDc::thin_line(IntPoint a, IntPoint b) {
  if (!pull_in(a, b)) return;
  const bool x_major = std::abs(std::int64_t{b.x} - a.x) >= std::abs(std::int64_t{b.y} - a.y);
  auto major = [x_major](IntPoint p) -> std::int64_t { return x_major ? p.x : p.y; };
  auto minor = [x_major](IntPoint p) -> std::int64_t { return x_major ? p.y : p.x; };
  const std::int64_t steps = std::abs(major(b) - major(a));
  const std::int64_t rise = std::abs(minor(b) - minor(a));
  const std::int64_t s_major = major(b) > major(a) ? 1 : -1;
  const std::int64_t s_minor = minor(b) > minor(a) ? 1 : -1;
  QRect r = visible_rect();
  std::int64_t low = x_major ? r.left() : r.top();
  std::int64_t high = x_major ? r.right() : r.bottom();
  std::int64_t first = std::max<std::int64_t>(0, s_major > 0 ? low - major(a) : major(a) - high);
  std::int64_t last = std::min(steps - 1, s_major > 0 ? high - major(a) : major(a) - low);
  auto pixel = [&](std::int64_t i) {
    auto along = static_cast<int>(major(a) + s_major * i);
    auto across = static_cast<int>(minor(a) + s_minor * ((2 * i * rise + steps) / (2 * steps)));
    return x_major ? QPoint(along, across) : QPoint(across, along);
  };
  const bool dashed = pen_.style == kPenDash;
  if (const std::optional<Rows> rows = direct_rows()) {
    const std::uint32_t ink = to_qcolor(pen_.color).rgb();
    for (std::int64_t i = first; i <= last; ++i) {
      if (dashed && i % kDashPeriod >= kDashOn) continue;
      const QPoint p = pixel(i);
      if (p.x() >= 0 && p.x() < rows->width && p.y() >= 0 && p.y() < rows->height)
        rows->bits[p.y() * rows->stride + p.x()] = ink;
    }
    return;
  }
  points_.clear();
  for (std::int64_t i = first; i <= last; ++i)
    if (!dashed || i % kDashPeriod < kDashOn) points_.push_back(pixel(i));
  DcPen solid = pen_;
  solid.style = kPenSolid;
  use_pen(solid);
  painter_->drawPoints(points_.data(), static_cast<int>(points_.size()));
}

void QtDc::rectangle(int left, int top, int right, int bottom) {
  left = clamp_coord(left);
  top = clamp_coord(top);
  right = clamp_coord(right);
  bottom = clamp_coord(bottom);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (pen_.style == kPenNull) {
    // Without an outline GDI fills one pixel less to the right and bottom.
    if (brush_.kind != BrushKind::kNull)
      painter_->fillRect(half_open(left, top, right - 1, bottom - 1), to_qcolor(brush_.color));
    return;
  }
  int w = device_width(pen_);
  if (brush_.kind != BrushKind::kNull)
    painter_->fillRect(half_open(left + w, top + w, right - w, bottom - w),
                       to_qcolor(brush_.color));
  if (w == 1 && pen_.style == kPenDash) {
    IntPoint corners[] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i) stroke(corners[i], corners[(i + 1) % 4]);
    return;
  }
  // The outline lies inside the rectangle, w pixels wide.
  QColor ink = to_qcolor(pen_.color);
  painter_->fillRect(half_open(left, top, right, std::min(top + w, bottom)), ink);
  painter_->fillRect(half_open(left, std::max(bottom - w, top), right, bottom), ink);
  painter_->fillRect(half_open(left, top, std::min(left + w, right), bottom), ink);
  painter_->fillRect(half_open(std::max(right - w, left), top, right, bottom), ink);
}

void QtDc::fill_rect(int left, int top, int right, int bottom, Colorref color) {
  painter_->fillRect(half_open(left, top, right, bottom), to_qcolor(color));
}

void QtDc::polygon(const std::vector<IntPoint>& points) {
  if (points.size() < 2) return;
  QPolygon poly;
  poly.reserve(static_cast<int>(points.size()));
  for (const IntPoint& p : points) poly << QPoint(clamp_coord(p.x), clamp_coord(p.y));
  use_pen(pen_);
  painter_->setBrush(to_qbrush(brush_));
  painter_->drawPolygon(poly, Qt::OddEvenFill);
}

void QtDc::set_pixel(int x, int y, Colorref color) {
  if (clamp_coord(x) != x || clamp_coord(y) != y) return;
  painter_->fillRect(QRect(x, y, 1, 1), to_qcolor(color));
}

Colorref QtDc::get_pixel(int x, int y) const {
  if (!image_ || !image_->valid(x, y)) return kInvalidColor;
  return to_colorref(image_->pixel(x, y));
}

void QtDc::draw_image(int x, int y, int width, int height, const DcImage& image) {
  if (image.width <= 0 || image.height <= 0 || width <= 0 || height <= 0) return;
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) return;
  const QRect target(clamp_coord(x), clamp_coord(y), std::min(width, kCoordLimit),
                     std::min(height, kCoordLimit));
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  // The pixels carry no alpha byte. An opaque target ignores it, so the rows
  // are used in place (the QImage only borrows them for this call); a target
  // with alpha gets a copy made opaque.
  const QImage borrowed(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                        image.height, image.width * 4, QImage::Format_RGB32);
  if (!image_ || !image_->hasAlphaChannel()) return painter_->drawImage(target, borrowed);
  QImage opaque(image.width, image.height, QImage::Format_RGB32);
  for (int row = 0; row < image.height; ++row) {
    auto* line = reinterpret_cast<std::uint32_t*>(opaque.scanLine(row));
    const std::uint32_t* from = image.pixels.data() + static_cast<std::size_t>(row) * image.width;
    for (int col = 0; col < image.width; ++col) line[col] = 0xFF000000u | from[col];
  }
  painter_->drawImage(target, opaque);
}

// A picture row by row: straight into the image's rows when allowed (a row
// wholly on the image is made in place), else through draw_image.
void QtDc::draw_rows(int x, int y, int width, int height, const RowMaker& rows) {
  const std::optional<Rows> to = direct_rows();
  if (!to || clamp_coord(x) != x || clamp_coord(y) != y || width > kCoordLimit ||
      height > kCoordLimit)
    return Dc::draw_rows(x, y, width, height, rows);
  if (width <= 0 || height <= 0) return;
  const int from_col = std::max(0, -x), to_col = std::min(width, to->width - x);
  const int from_row = std::max(0, -y), to_row = std::min(height, to->height - y);
  if (from_col >= to_col) return;
  const bool whole_rows = from_col == 0 && to_col == width;
  // QPainter copies a picture's pixels as they are onto RGB32 (alpha byte 0),
  // but fills with a 1 x 1 picture's colour as an opaque one.
  const std::uint32_t opaque = width == 1 && height == 1 ? 0xFF000000u : to->opaque;
  row_.resize(whole_rows ? 0 : static_cast<std::size_t>(width));
  for (int i = from_row; i < to_row; ++i) {
    // The device pixels of columns from_col .. to_col - 1.
    std::uint32_t* line = to->bits + static_cast<std::ptrdiff_t>(y + i) * to->stride + x + from_col;
    if (whole_rows) {
      rows(i, line);
    } else {
      rows(i, row_.data());
      std::copy(row_.begin() + from_col, row_.begin() + to_col, line);
    }
    if (opaque != 0)
      for (int k = 0; k < to_col - from_col; ++k) line[k] |= opaque;
  }
}

DcImage QtDc::image() const {
  DcImage out;
  if (!image_ || image_->isNull()) return out;
  QImage rgb = image_->convertToFormat(QImage::Format_RGB32);
  out.width = rgb.width();
  out.height = rgb.height();
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
  for (int row = 0; row < out.height; ++row) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(row));
    for (int col = 0; col < out.width; ++col)
      out.pixels[static_cast<std::size_t>(row) * out.width + col] = line[col] & 0xFFFFFF;
  }
  return out;
}

QtBitmapDc::QtBitmapDc(int width, int height)
    : QtBitmapStorage{white_image(width, height)}, QtDc(storage) {}

QImage QtBitmapDc::white_image(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

std::unique_ptr<BitmapDc> make_bitmap_dc(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  auto dc = std::make_unique<QtBitmapDc>(width, height);
  if (!dc->valid()) return nullptr;
  return dc;
}

}  // namespace daub

#include "platform/qt/qt_dc.h"

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace daub {

namespace {

// GDI's cosmetic dash: 18 pixels drawn, 6 left out.
const QVector<qreal> kDashPattern{18, 6};

// Far outside any device, yet small enough that widths and heights computed
// from two coordinates never overflow an int.
constexpr int kCoordLimit = 1 << 28;

int clamp_coord(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

int device_width(const DcPen& pen) { return std::clamp(pen.width, 1, kCoordLimit); }

// The QPen that draws what GDI draws. One-pixel pens use flat caps, which make
// Qt leave out a line's last pixel as GDI does; wider pens are round-capped and
// round-joined like GDI's default geometric pens, so the segments of a curve
// meet without notches. Only one-pixel pens can be dashed; wider ones and
// unknown styles draw solid.
QPen to_qpen(const DcPen& pen) {
  if (pen.style == kPenNull) return QPen(Qt::NoPen);
  QPen q(to_qcolor(pen.color));
  int width = device_width(pen);
  if (width == 1) {
    q.setWidth(1);
    q.setCosmetic(true);
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    if (pen.style == kPenDash) q.setDashPattern(kDashPattern);
  } else {
    q.setWidth(width);
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
  }
  return q;
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

QtDc::QtDc(QImage& image) : QtDc(static_cast<QPaintDevice&>(image)) {}

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
  painter_->setPen(to_qpen(pen_));
  painter_->drawLine(QPoint(clamp_coord(from.x), clamp_coord(from.y)),
                     QPoint(clamp_coord(to.x), clamp_coord(to.y)));
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
  painter_->setPen(to_qpen(pen_));
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

}  // namespace daub

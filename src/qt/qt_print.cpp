#include "qt/qt_print.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <algorithm>

#include "qt/qt_dc.h"

namespace daub {

namespace {

// The Dc of a page: lines are drawn as vector segments rather than stepped
// pixel by pixel, so the paper gets paths at the printer's own resolution.
class QtPrintDc : public QtDc {
 public:
  explicit QtPrintDc(QPainter& painter) : QtDc(painter) {}

  void move_to(int x, int y) override {
    at_ = {x, y};
    QtDc::move_to(x, y);
  }

  void line_to(int x, int y) override {
    const IntPoint to{x, y};
    const DcPen p = pen();
    if (!(at_ == to) && p.style != kPenNull) {
      QPen q(to_qcolor(p.color));
      q.setWidth(std::max(p.width, 1));
      q.setCapStyle(p.width > 1 ? Qt::RoundCap : Qt::FlatCap);
      // The dash of one-pixel pens: 18 device pixels drawn, 6 left out.
      if (p.style == kPenDash && p.width <= 1) q.setDashPattern({18, 6});
      painter().setPen(q);
      painter().drawLine(QPoint(at_.x, at_.y), QPoint(x, y));
    }
    move_to(x, y);
  }

 private:
  IntPoint at_;
};

QRect full_page(const QPrinter& printer) { return printer.pageLayout().fullRectPixels(kPrintDpi); }

}  // namespace

QtPrintJob::QtPrintJob(QPrinter& printer) : printer_(printer) {}

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> owned)
    : owned_(std::move(owned)), printer_(*owned_) {}

QtPrintJob::~QtPrintJob() {
  dc_.reset();
  if (painter_.isActive()) painter_.end();
}

int QtPrintJob::page_width() const { return full_page(printer_).width(); }

int QtPrintJob::page_height() const { return full_page(printer_).height(); }

bool QtPrintJob::start_document() {
  if (started_) return true;
  printer_.setFullPage(true);
  printer_.setResolution(kPrintDpi);
  if (!painter_.begin(&printer_)) return false;
  // A printer that keeps a resolution of its own still gets the page laid
  // out at kPrintDpi.
  const double k = static_cast<double>(printer_.resolution()) / kPrintDpi;
  if (k != 1.0) painter_.scale(k, k);
  dc_ = std::make_unique<QtPrintDc>(painter_);
  started_ = true;
  return true;
}

Dc* QtPrintJob::start_page() {
  if (!started_) return nullptr;
  if (pages_++ > 0 && !printer_.newPage()) return nullptr;
  return dc_.get();
}

bool QtPrintJob::end_document() {
  if (!started_) return true;
  dc_.reset();
  started_ = false;
  return painter_.end();
}

std::unique_ptr<PrintJob> make_pdf_print_job(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromLocal8Bit(path.c_str()));
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  printer->setFullPage(true);
  printer->setResolution(kPrintDpi);
  printer->setCreator(QStringLiteral("Daubery"));
  return std::unique_ptr<PrintJob>(new QtPrintJob(std::move(printer)));
}

}  // namespace daub

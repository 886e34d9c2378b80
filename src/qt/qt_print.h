#pragma once
// Printing through Qt: a print job on a QPrinter (a paper printer or a PDF
// file), drawn with a Dc that keeps lines and regions as vector paths and
// text as text. Pages are laid out at kPrintDpi from the paper's corner,
// whatever the printer's own resolution.

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/ui.h"

namespace daub {

class QtDc;

// 630 world units at the default magnification 4.7 span an A4 page's width
// (2961 device pixels in 210 mm).
constexpr int kPrintDpi = 358;

class QtPrintJob : public PrintJob {
 public:
  // A job on a printer the caller keeps for longer than the job.
  explicit QtPrintJob(QPrinter& printer);
  ~QtPrintJob() override;
  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  int page_width() const override;
  int page_height() const override;
  bool start_document() override;
  Dc* start_page() override;
  void end_page() override {}
  bool end_document() override;

 private:
  std::unique_ptr<QPrinter> owned_;
  QPrinter& printer_;
  QPainter painter_;
  std::unique_ptr<QtDc> dc_;
  bool started_ = false;
  int pages_ = 0;

  friend std::unique_ptr<PrintJob> make_pdf_print_job(const std::string& path);
  QtPrintJob(std::unique_ptr<QPrinter> owned);
};

// A job that writes A4 pages into a PDF file (nothing until its first page).
std::unique_ptr<PrintJob> make_pdf_print_job(const std::string& path);

}  // namespace daub

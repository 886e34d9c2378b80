#include "qt/qt_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <map>
#include <vector>

#include "platform/dialog.h"
#include "qt/qt_dc.h"
#include "qt/qt_fonts.h"
#include "qt/qt_print.h"

namespace daub {

namespace {

QString from_utf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string to_utf8(const QString& s) {
  QByteArray b = s.toUtf8();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// The chooser's custom colours at start-up; what the user defines stays for
// the rest of the run (QColorDialog keeps them for the process).
constexpr Colorref kCustomColors[16] = {0x000000, 0x3F3F3F, 0x7F7F7F, 0xFFFFFF, 0x0000FF, 0x00007F,
                                        0x00FF00, 0x007F00, 0xFF0000, 0x7F0000, 0xFFFF00, 0x7F7F00,
                                        0xFF00FF, 0x7F007F, 0x00FFFF, 0x007F7F};

// A QDialog built from a template, driving a DialogProc. The DialogState is the
// truth: widget values are pulled into it before the procedure sees a click
// and pushed back after, so the procedure never touches a widget.
class TemplateDialog : public QDialog {
 public:
  TemplateDialog(QWidget* parent, const DialogTemplate& tmpl, DialogProc& proc);
  int run();

 protected:
  // Escape and the window's close button act as the Cancel button.
  void reject() override { click(kIdCancel); }
  void paintEvent(QPaintEvent* event) override;
  // A press and release of the left button on the dialog itself is a drag.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QWidget* make_control(const ControlTemplate& c);
  void click(int id);
  void pull();
  void push();
  void after_command();
  void draw_preview();
  void push_combo(QComboBox& combo, int id);

  const DialogTemplate& tmpl_;
  DialogProc& proc_;
  DialogState state_;
  std::vector<QWidget*> widgets_;                 // one per template control, in order
  std::vector<bool> synced_;                      // whether the control's value lives in the state
  std::map<int, std::vector<int>> radio_groups_;  // radio id -> its group
  QImage preview_;
  QPoint pressed_;
  bool press_pending_ = false;
};

// Radio buttons that follow each other in the template form one group, as
// they would in a resource script.
std::map<int, std::vector<int>> radio_groups(const DialogTemplate& tmpl) {
  std::map<int, std::vector<int>> groups;
  std::vector<int> run;
  auto close_run = [&] {
    for (int id : run) groups[id] = run;
    run.clear();
  };
  for (const ControlTemplate& c : tmpl.controls) {
    if (c.kind == ControlKind::kRadio)
      run.push_back(c.id);
    else
      close_run();
  }
  close_run();
  return groups;
}

TemplateDialog::TemplateDialog(QWidget* parent, const DialogTemplate& tmpl, DialogProc& proc)
    : QDialog(parent), tmpl_(tmpl), proc_(proc), state_(tmpl), radio_groups_(radio_groups(tmpl)) {
  setWindowTitle(from_utf8(tmpl.title));
  setFixedSize(tmpl.width, tmpl.height);
  preview_ = QImage(tmpl.width, tmpl.height, QImage::Format_ARGB32_Premultiplied);
  preview_.fill(Qt::transparent);
  QWidget* focus = nullptr;
  for (const ControlTemplate& c : tmpl.controls) {
    QWidget* w = make_control(c);
    w->setGeometry(c.x, c.y, c.width, c.height);
    widgets_.push_back(w);
    // Labels that share an id (the usual -1 of fixed texts) keep their own
    // texts: only a control with an id of its own has a value.
    bool own_id = std::count_if(tmpl.controls.begin(), tmpl.controls.end(),
                                [&](const ControlTemplate& o) { return o.id == c.id; }) == 1;
    synced_.push_back(own_id);
    const bool edit = c.kind == ControlKind::kEdit || c.kind == ControlKind::kMultiEdit;
    if (own_id && (c.kind == ControlKind::kStatic || edit)) state_.set_text(c.id, c.label);
    if (!focus && edit) focus = w;
  }
  if (focus) focus->setFocus();
}

QWidget* TemplateDialog::make_control(const ControlTemplate& c) {
  QString label = from_utf8(c.label);
  switch (c.kind) {
    case ControlKind::kStatic:
      return new QLabel(label, this);
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(label, this);
      if (c.limit > 0) edit->setMaxLength(c.limit);
      return edit;
    }
    case ControlKind::kMultiEdit: {
      auto* edit = new QPlainTextEdit(label, this);
      edit->setLineWrapMode(QPlainTextEdit::NoWrap);
      return edit;
    }
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: {
      auto* button = new QPushButton(label, this);
      button->setDefault(c.kind == ControlKind::kDefaultButton);
      connect(button, &QPushButton::clicked, this, [this, id = c.id] { click(id); });
      return button;
    }
    case ControlKind::kRadio:
    case ControlKind::kCheck: {
      QAbstractButton* box = c.kind == ControlKind::kRadio
                                 ? static_cast<QAbstractButton*>(new QRadioButton(label, this))
                                 : new QCheckBox(label, this);
      // The groups are kept in the state, not by Qt's sibling rule.
      box->setAutoExclusive(false);
      connect(box, &QAbstractButton::clicked, this, [this, id = c.id] { click(id); });
      return box;
    }
    case ControlKind::kCombo: {
      auto* combo = new QComboBox(this);
      // Choosing an entry in the open list acts as a double click would.
      connect(combo, &QComboBox::activated, this, [this, id = c.id] { click(id); });
      QTimer::singleShot(0, combo, &QComboBox::showPopup);
      return combo;
    }
    case ControlKind::kGroup:
    case ControlKind::kPreview: {
      QWidget* frame = nullptr;
      if (c.kind == ControlKind::kGroup) {
        frame = new QGroupBox(label, this);
      } else {
        auto* panel = new QFrame(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame = panel;
      }
      // Frames lie under the controls they surround and never take a click.
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      frame->lower();
      return frame;
    }
  }
  return new QWidget(this);
}

int TemplateDialog::run() {
  proc_.init(state_);
  after_command();
  if (!state_.ended()) exec();
  return state_.ended() ? state_.result() : 0;
}

void TemplateDialog::click(int id) {
  if (state_.ended()) return;
  pull();
  // A click always checks a radio button and unchecks the rest of its group.
  auto group = radio_groups_.find(id);
  if (group != radio_groups_.end())
    for (int other : group->second) state_.set_checked(other, other == id);
  proc_.command(state_, id);
  after_command();
}

void TemplateDialog::pull() {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (!synced_[i]) continue;
    const ControlTemplate& c = tmpl_.controls[i];
    QWidget* w = widgets_[i];
    if (auto* edit = qobject_cast<QLineEdit*>(w)) state_.set_text(c.id, to_utf8(edit->text()));
    if (auto* text = qobject_cast<QPlainTextEdit*>(w))
      state_.set_text(c.id, to_utf8(text->toPlainText()));
    if (auto* box = qobject_cast<QAbstractButton*>(w); box && box->isCheckable())
      state_.set_checked(c.id, box->isChecked());
    if (auto* combo = qobject_cast<QComboBox*>(w))
      state_.set_text(c.id, to_utf8(combo->currentText()));
  }
}

void TemplateDialog::push() {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (!synced_[i]) continue;
    const ControlTemplate& c = tmpl_.controls[i];
    QWidget* w = widgets_[i];
    QString text = from_utf8(state_.text(c.id));
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->text() != text) {
      edit->setText(text);
      edit->selectAll();
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w); edit && edit->toPlainText() != text)
      edit->setPlainText(text);
    if (auto* box = qobject_cast<QAbstractButton*>(w); box && box->isCheckable())
      box->setChecked(state_.checked(c.id));
    if (auto* combo = qobject_cast<QComboBox*>(w)) push_combo(*combo, c.id);
  }
}

void TemplateDialog::push_combo(QComboBox& combo, int id) {
  QStringList items;
  for (const std::string& item : state_.items(id)) items << from_utf8(item);
  QStringList shown;
  for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
  if (shown != items) {
    combo.clear();
    combo.addItems(items);
  }
  combo.setCurrentIndex(static_cast<int>(items.indexOf(from_utf8(state_.text(id)))));
}

void TemplateDialog::after_command() {
  push();
  if (state_.take_preview_request()) draw_preview();
  if (state_.ended()) done(state_.result());
}

void TemplateDialog::draw_preview() {
  preview_.fill(Qt::transparent);
  {
    QtDc dc(preview_);
    proc_.paint(state_, dc);
  }
  update();
}

void TemplateDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, preview_);
}

void TemplateDialog::mousePressEvent(QMouseEvent* event) {
  press_pending_ = event->button() == Qt::LeftButton;
  pressed_ = event->position().toPoint();
}

void TemplateDialog::mouseReleaseEvent(QMouseEvent* event) {
  if (!press_pending_ || event->button() != Qt::LeftButton || state_.ended()) return;
  press_pending_ = false;
  pull();
  const QPoint d = event->position().toPoint() - pressed_;
  proc_.drag(state_, d.x(), d.y());
  after_command();
}

}  // namespace

QStringList qt_name_filters(const std::string& filter) {
  QStringList parts = from_utf8(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // "*.*" means every file on Windows, names without a dot included.
    for (QString& p : patterns)
      if (p.trimmed() == QLatin1String("*.*")) p = QStringLiteral("*");
    out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out;
}

QtUi::QtUi(QWidget* window, QtUiHooks hooks) : window_(window), hooks_(std::move(hooks)) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, to_qcolor(kCustomColors[i]));
}

QtUi::~QtUi() { set_busy(false); }

MessageAnswer QtUi::message_box(const std::string& caption, const std::string& text,
                                MessageButtons buttons) {
  QMessageBox box(window_);
  box.setWindowTitle(from_utf8(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(from_utf8(text));
  if (buttons == MessageButtons::kOk) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::kOk;
  }
  const bool cancel = buttons == MessageButtons::kYesNoCancel;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                         (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::kYes;
    case QMessageBox::No:
      return MessageAnswer::kNo;
    default:
      return cancel ? MessageAnswer::kCancel : MessageAnswer::kNo;
  }
}

int QtUi::run_dialog(const DialogTemplate& tmpl, DialogProc& proc) {
  TemplateDialog dialog(window_, tmpl, proc);
  return dialog.run();
}

std::optional<FileChoice> QtUi::file_dialog(const FileDialogRequest& request) {
  QFileDialog dialog(window_, from_utf8(request.title), QFile::decodeName(request.folder.c_str()));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (request.kind == FileDialogKind::kSave) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The commands ask before they overwrite, in their own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  QStringList filters = qt_name_filters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.name.empty()) dialog.selectFile(QFile::decodeName(request.name.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QFileInfo chosen(dialog.selectedFiles().first());
  return FileChoice{QFile::encodeName(chosen.absolutePath()).toStdString(),
                    QFile::encodeName(chosen.fileName()).toStdString()};
}

std::optional<Colorref> QtUi::choose_color(Colorref initial) {
  QColorDialog dialog(to_qcolor(initial), window_);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return to_colorref(dialog.selectedColor().rgb());
}

std::optional<LogFont> QtUi::choose_font(const LogFont& initial) {
  QFontDialog dialog(qfont_for(initial), window_);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return logfont_for(dialog.selectedFont(), initial);
}

std::unique_ptr<PrintJob> QtUi::print_dialog() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer_.get(), window_);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QtPrintJob>(*printer_);
}

bool QtUi::print_setup() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), window_);
  return dialog.exec() == QDialog::Accepted;
}

void QtUi::set_composition_window(int x, int y) {
  if (hooks_.composition_window) hooks_.composition_window(x, y);
}

void QtUi::set_title(const std::string& utf8) {
  if (window_) window_->setWindowTitle(from_utf8(utf8));
}

void QtUi::repaint() {
  if (hooks_.repaint) hooks_.repaint();
}

Dc* QtUi::window_dc() { return hooks_.window_dc ? hooks_.window_dc() : nullptr; }

std::unique_ptr<BitmapDc> QtUi::create_bitmap_dc(int width, int height) {
  return make_bitmap_dc(width, height);
}

void QtUi::set_busy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace daub

#include "qt/command_list_dialog.h"

#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "resources/command_filter.h"

namespace daub {
namespace {

constexpr int kIdRole = Qt::UserRole;

// The families of the rows found, each with its commands below it.
void fill(QTreeWidget& tree, const QString& query) {
  tree.clear();
  QTreeWidgetItem* group = nullptr;
  int family = 0;
  for (const CommandLabel* row : filter_commands(query.toStdString())) {
    if (row->family != family) {
      family = row->family;
      group = new QTreeWidgetItem(
          &tree, {QString::fromUtf8("F%1 %2").arg(family).arg(QString::fromUtf8(
                      family_name(family).data(), static_cast<int>(family_name(family).size()))),
                  QString()});
      group->setFlags(Qt::ItemIsEnabled);
      group->setExpanded(true);
    }
    auto* item =
        new QTreeWidgetItem(group, {QString::fromUtf8(row->label), QString::number(row->id)});
    item->setData(0, kIdRole, row->id);
  }
  if (group != nullptr) tree.setCurrentItem(tree.topLevelItem(0)->child(0));
}

// Up and Down in the filter line move through the list, so typing and
// choosing need no mouse.
class FilterEdit : public QLineEdit {
 public:
  FilterEdit(QTreeWidget& tree, QWidget* parent) : QLineEdit(parent), tree_(tree) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Down || e->key() == Qt::Key_Up) {
      QTreeWidgetItem* at = tree_.currentItem();
      do {
        at = at == nullptr              ? nullptr
             : e->key() == Qt::Key_Down ? tree_.itemBelow(at)
                                        : tree_.itemAbove(at);
      } while (at != nullptr && at->childCount() > 0);
      if (at != nullptr) tree_.setCurrentItem(at);
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

 private:
  QTreeWidget& tree_;
};

}  // namespace

std::optional<int> choose_command(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8("コマンド一覧"));
  dialog.resize(520, 600);
  auto* tree = new QTreeWidget(&dialog);
  tree->setColumnCount(2);
  tree->setHeaderLabels({QString::fromUtf8("コマンド"), QString::fromUtf8("番号")});
  tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree->header()->setStretchLastSection(false);
  auto* filter = new FilterEdit(*tree, &dialog);
  filter->setPlaceholderText(QString::fromUtf8("名前・種類・番号で絞り込む"));
  filter->setClearButtonEnabled(true);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(filter);
  layout->addWidget(tree);
  fill(*tree, QString());

  std::optional<int> chosen;
  auto choose = [&](QTreeWidgetItem* item) {
    if (item == nullptr || !item->data(0, kIdRole).isValid()) return;
    chosen = item->data(0, kIdRole).toInt();
    dialog.accept();
  };
  QObject::connect(filter, &QLineEdit::textChanged, &dialog,
                   [tree](const QString& text) { fill(*tree, text); });
  QObject::connect(filter, &QLineEdit::returnPressed, &dialog,
                   [&] { choose(tree->currentItem()); });
  QObject::connect(tree, &QTreeWidget::itemActivated, &dialog,
                   [&](QTreeWidgetItem* item, int) { choose(item); });
  filter->setFocus();
  dialog.exec();
  return chosen;
}

}  // namespace daub

#pragma once
// The command list (コマンド一覧): every command of the command table with its
// label and id, grouped by family, filtered by what is typed.

#include <optional>

class QWidget;

namespace daub {

// Shows the list; the id chosen (Enter or a double click on a command), or
// none when the list is closed without a choice.
std::optional<int> choose_command(QWidget* parent);

}  // namespace daub

#pragma once
// Which commands a query typed into the command list finds. Pure: no Qt, no
// App, so the list's behaviour is tested without a window.

#include <string>
#include <string_view>
#include <vector>

#include "resources/command_labels.h"

namespace daub {

// The text a query is compared with: Latin letters lowered, full-width Latin
// letters, digits and signs made half-width, the ideographic space made a
// space. Everything else (kana, kanji) is kept byte for byte.
std::string fold_for_search(std::string_view text);

// The rows whose label, family ("F25" or its Japanese name) or id contain
// every space-separated word of the query, grouped by family (families in
// order, ids ascending within one). An empty query finds every row.
std::vector<const CommandLabel*> filter_commands(std::string_view query);

}  // namespace daub

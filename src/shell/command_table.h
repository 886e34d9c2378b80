#pragma once
// The command table: every command id reaches its action here.

#include <cstdint>

namespace daub {
struct App;

void MenuCommand(App& app, std::uint32_t wparam, std::int64_t lparam);

}  // namespace daub

#pragma once
// The window procedure's message handlers: the Qt window and the script runner
// translate their events into these calls.

#include <cstdint>
#include <string_view>

namespace daub {
struct App;
class Dc;

constexpr int kVkBack = 8;
constexpr int kVkDelete = 46;

void on_create(App& app);
void on_size(App& app, int width, int height);
void on_paint(App& app, Dc& dc);
void on_lbutton_down(App& app, int x, int y);
void on_mouse_move(App& app, int x, int y);
void on_lbutton_up(App& app, int x, int y);
void on_rbutton_down(App& app, int x, int y);
void on_key_down(App& app, int vk);
void on_char(App& app, int code, std::int64_t lparam);
void on_command(App& app, std::uint32_t id);
// The window is about to close: when the drawing or a canvas holds changes
// not saved to a file, asks "変更を保存しますか？" (Yes saves through the save
// dialogs, No closes, Cancel stays). True when the window may close.
bool on_close(App& app);

// The character message queue: characters are posted (one message a byte)
// and then handled in order; a handler may take further ones off the queue
// itself, as character input does with what the input method committed.
void post_chars(App& app, std::string_view cp932, std::int64_t lparam);
void pump_chars(App& app);

}  // namespace daub

#pragma once
// The one-line inputs of the tracing parameters. Each shows the current value
// in INPUTBOX and takes the answer only when it reads as the format asks and
// makes sense; it returns 1 when the value changed, else 0 (a scale that is
// not positive is refused with "縮尺は正の数で指定してください", a negative
// tolerance with "許容誤差は0以上で指定してください", caption "CAUTION").

namespace daub {
struct App;
struct ShadowPlace;

// "ｘ座標，ｙ座標" read with "%lf,%lf"; both are stored truncated.
int shadow_position_input(App& app, ShadowPlace& place);
// The scale, "%lf".
int shadow_scale_input(App& app, ShadowPlace& place);
// The chord tolerance factor: the box shows and takes the factor minus 0.07.
int chord_factor_input(App& app);
// The least area and extent that a traced outline must pass, "%d".
int min_area_input(App& app);
int min_extent_input(App& app);
// The largest rounded turn (degrees), the rounding size and the smoothing
// depth, "%lf".
int round_turn_input(App& app);
int rounding_size_input(App& app);
int smoothing_input(App& app);

}  // namespace daub

#pragma once
// The pick-ups: parameters of the current line or region copied into the
// settings, so that the next element or a paste uses them. Each runs the
// refresh step of the pens afterwards. Without a current line they show
// "注目線が存在しません" under their own name; the region forms report a
// missing region as getrgn does. Each returns 1 when it copied.

namespace daub {
struct App;

int NowLinePenstyle(App& app);  // style into 496
int NowLinePenwidth(App& app);  // width into 500
int NowLineColor(App& app);     // colour into 648
// Dot length, start length, bit count and bits into 72-95; the line must be
// dotted ("注目線はドットではありません").
int NowLineDotParam(App& app);

// The current region's brush style into 504.
int NowRgnBrstyle(App& app);
// The current region's hatch pen into 96-135 and its hatch type, width and
// angle into 136-159 (the refresh step then rebuilds the hatch pen from the
// current pen); the region must be hatched ("注目リージョンはハッチではありません").
int NowRgnHatchParam(App& app);
// The hatch pen's dot pattern into 72-95 and its style and width into 496
// and 500; the region must be hatched and its hatch pen dotted
// ("注目ハッチペンはドットではありません").
int NowRgnHatchPenDotParam(App& app);
// The current region's fill colour into 648.
int NowRgnColor(App& app);

}  // namespace daub

#pragma once
// Moving, scaling, turning and mirroring the selection. The item forms work
// on one set's copies; the App forms act on all four sets together, which is
// how every command uses them. Nothing reaches the drawing before stockmove.
//
// Scaling about a centre c by (sx, sy): a point p goes to c + (p − c)·(sx, sy)
// and a direction a to atan2(sin a, cos a · sx / sy). A text scales its
// anchor, its font height and width and its column spacing by the mean
// (sx + sy) / 2; a bitmap its anchor and its rate by the mean.
// Turning about c by θ (radians, the way directions are measured): points
// turn about c, directions gain θ (normalised), a text's escapement loses θ
// in tenths of a degree (kept within 0..3600), a bitmap turns its anchor.
// Mirroring in the vertical line through c: x → 2·c.x − x, a direction a →
// atan2(sin a, −cos a); texts and bitmaps mirror their anchors and keep
// their direction, so that text still reads forwards.

#include <vector>

#include "geometry/point.h"
#include "model/app.h"

namespace daub {

// A ratio the scaling operations take: 0.01 ≤ s ≤ 100.0.
bool sane_ratio(double s);

void shift_lines(std::vector<ExtractionItem>& items, double dx, double dy);
void rate_lines(std::vector<ExtractionItem>& items, DPoint c, double sx, double sy);
void rotate_lines(std::vector<ExtractionItem>& items, DPoint c, double angle);
void mirror_lines(std::vector<ExtractionItem>& items, DPoint c);

void shift_texts(TextStock& items, double dx, double dy);
void rate_texts(TextStock& items, DPoint c, double sx, double sy);
void rotate_texts(TextStock& items, DPoint c, double angle);
void mirror_texts(TextStock& items, DPoint c);

void shift_bitmaps(BitmapStock& items, double dx, double dy);
void rate_bitmaps(BitmapStock& items, DPoint c, double sx, double sy);
void rotate_bitmaps(BitmapStock& items, DPoint c, double angle);
void mirror_bitmaps(BitmapStock& items, DPoint c);

// stockshift, stocklettershift, stockenglishshift, stockbmpshift.
void stockshift_all(App& app, double dx, double dy);
// stockrate and its text and bitmap forms; 0 after "縮尺比が非常識です"
// (caption "stockrate") when a ratio is not sane, and nothing moves.
int stockrate_all(App& app, DPoint c, double sx, double sy);
// stockrot, stockletterrot, stockenglishrot, stockbmprrot.
void stockrot_all(App& app, DPoint c, double angle);
// stockmirror and its forms.
void stockmirror_all(App& app, DPoint c);

}  // namespace daub

#pragma once
// What the window shows while the left button is held down: the path of a
// brush stroke, the rectangle of a rectangle command, the outline of the
// canvas or view being moved, the line of a line command. It is drawn over
// the shown picture and never changes the drawing or a canvas; once the
// button is up there is nothing to draw.

namespace daub {
struct App;
class Dc;

enum class DragFeedback { kNone, kPath, kRectangle, kMoveCanvas, kMoveView, kLine };

// What a drag of the mouse command shows.
DragFeedback drag_feedback(int mousecmd);

// Draws the feedback of the drag under way, in client pixels; nothing when
// no drag is under way.
void paint_drag_feedback(const App& app, Dc& dc);

}  // namespace daub

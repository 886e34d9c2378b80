#pragma once
// The painter of the enclosure ("囲み線").

namespace daub {
struct App;
class Dc;

// The enclosure outline, closed, in the enclosure colour.
void jordenlinedisp(App& app, Dc& dc);

}  // namespace daub

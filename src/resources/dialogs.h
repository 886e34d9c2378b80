#pragma once
// The dialog templates: each dialog's controls with their ids, kinds, labels
// and places, in dialog pixels. One function per dialog.

#include "platform/dialog.h"

namespace daub {

// The shared one-line input dialog: prompt 589, edit field 292, OK and Cancel.
const DialogTemplate& inputbox_template();

}  // namespace daub

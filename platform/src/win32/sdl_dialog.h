// The SDL host's view of a dialog: a borderless window showing its bitmap and
// its texts, redrawn whenever a control changes.
#pragma once

#include "win32/dialog.h"

namespace platform {

void SdlOpenDialog(Dialog& dialog, int x, int y);
void SdlDrawDialog(Dialog& dialog);
void SdlCloseDialog(Dialog& dialog);

}  // namespace platform

#pragma once

#include "runtime/core/string.h"

namespace rt {

class TextArea;

// Prints the whole text of `area`, as the area styles it, on the printer the user picks, as a job
// of that name: one block of at most 540 x 540 points per page, at the page's origin, with no
// margins, headers or page numbers of its own. A cancelled print dialog prints nothing and says
// nothing.
void PrintTextArea(TextArea& area, const String& jobName);

}  // namespace rt

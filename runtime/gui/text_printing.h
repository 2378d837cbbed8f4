#pragma once

namespace rt {
class TextArea;
}

// Prints the whole text of `area`, as the area styles it, on the printer the user picks: one
// block of at most 540 x 540 points per page, at the page's origin, with no margins, headers
// or page numbers of its own. A cancelled print dialog prints nothing and says nothing.
void PrintTextArea(rt::TextArea& area);

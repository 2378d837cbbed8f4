#pragma once

#include "runtime/core/string.h"

// The fixed text of the help window: an introduction to agreement on nominal scales, the
// references, the rules of the data file, a worked example with its data and results, how to
// cite the program, and its terms. Lines are joined by CR LF, with none after the last; the
// tables and indented parts are laid out for a font of fixed pitch. Built on first use.
const rt::String& HelpText();

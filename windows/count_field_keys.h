#pragma once

#include "runtime/core/string.h"

// The key filter of the count fields: digits, control characters and Delete go on to the field
// silently; every other key beeps and is dropped (True). Pasted text is not filtered here; the
// analysis run's checks deal with whatever the fields hold.
bool CountFieldKeyDown(const rt::String& key);

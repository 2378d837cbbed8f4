#pragma once

// The one-line notice that the splash window shows and the help window carries.
inline constexpr const char* kCopyrightNotice =
    "Copyright (c) 2002-2020 the Quorvane team. All rights reserved.";

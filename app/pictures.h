#pragma once

#include <memory>

#include "runtime/gui/picture.h"

// The program's pictures, each read from its file among the resource files on first use and
// kept; while a picture cannot be found each use looks again.
std::shared_ptr<rt::Picture> Question48();
std::shared_ptr<rt::Picture> Quor();
std::shared_ptr<rt::Picture> kappa64();

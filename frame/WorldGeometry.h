// Varnel's interface to the world-geometry library: world points, sizes and
// the rectangle helpers that the view and the drawing services use.
#pragma once

#include "ostrik/Ostrik.h"

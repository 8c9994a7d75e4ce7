#pragma once
// The module's field; given the primitive polynomial 285 at start-up and
// read-only after that.

#include "reedsolomon/gf256.h"

extern GF256 二维码域;

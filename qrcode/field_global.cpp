#include "qrcode/field_global.h"

// Constant-initialised (the field starts unbuilt), so it is usable from
// any other global's start-up.
constinit GF256 二维码域;

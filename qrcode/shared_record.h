#pragma once
// The module's one symbol record; every request overwrites it.

#include "tables/qr_code.h"

extern 二维码类 共享二维码;

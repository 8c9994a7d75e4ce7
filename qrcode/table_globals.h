#pragma once
// The module's fixed tables: built once at start-up, read-only afterwards.

#include <array>
#include <vector>

#include "tables/level_table.h"
#include "tables/mode.h"
#include "tables/version.h"

// The levels L, M, Q, H.
extern 容错级别表类 容错级别表;
// The modes 数字, 字母数字, 字节, in that order.
extern std::array<模式类, 3> 模式表;
// Entry v - 1 is version v.
extern std::vector<版本类> 版本表;

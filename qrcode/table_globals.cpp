#include "qrcode/table_globals.h"

容错级别表类 容错级别表;
std::array<模式类, 3> 模式表;
std::vector<版本类> 版本表;

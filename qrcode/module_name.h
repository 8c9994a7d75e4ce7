#pragma once
// The source text of the module routine's failure reports, set at start-up.

#include <string>

extern std::string 模块名称;

#include "qrcode/module_name.h"

std::string 模块名称;

#include "qrcode/module_lifetime.h"

#include "qrcode/field_global.h"
#include "qrcode/module_name.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"

namespace {

int 持有数 = 0;

// Back to the state the globals were made in, in the order they were made.
void 拆除模块() noexcept {
  模块名称.clear();
  容错级别表 = 容错级别表类{};
  共享二维码 = 二维码类{};
  模式表 = {};
  版本表.clear();
  版本表.shrink_to_fit();
  二维码域 = GF256{};
}

}  // namespace

模块生命周期::模块生命周期() {
  if (持有数 == 0) {
    try {
      模块名称 = "二维码模块";
      共享二维码.初始化();
    } catch (...) {
      // A throwing report sink leaves no half-built tables behind.
      拆除模块();
      throw;
    }
  }
  ++持有数;
}

模块生命周期::~模块生命周期() {
  if (--持有数 == 0) 拆除模块();
}

bool 模块生命周期::已启动() noexcept { return 持有数 > 0; }

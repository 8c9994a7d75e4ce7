#include "bench/peer.h"

#include <qrencode.h>

#include <memory>

namespace {

QRecLevel 对等级别(int 序号) {
  constexpr QRecLevel 级别[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
  return 级别[序号];
}

struct 释放符号 {
  void operator()(QRcode* c) const noexcept { QRcode_free(c); }
};
struct 释放输入 {
  void operator()(QRinput* i) const noexcept { QRinput_free(i); }
};

}  // namespace

int 对等编码(const 工作负载& 负载, int 版本号) {
  const auto* 字节 = reinterpret_cast<const unsigned char*>(负载.对等字节.data());
  const int 长度 = static_cast<int>(负载.对等字节.size());
  std::unique_ptr<QRcode, 释放符号> 符号;
  if (负载.模式 == 对等模式::八位) {
    符号.reset(QRcode_encodeData(长度, 字节, 版本号, 对等级别(负载.级别序号)));
  } else {
    // One numeric or alphanumeric segment, as ours: encodeData is 8-bit only.
    const std::unique_ptr<QRinput, 释放输入> 输入(QRinput_new2(版本号, 对等级别(负载.级别序号)));
    if (!输入) return 0;
    const QRencodeMode 模式 = 负载.模式 == 对等模式::数字 ? QR_MODE_NUM : QR_MODE_AN;
    if (QRinput_append(输入.get(), 模式, 长度, 字节) != 0) return 0;
    符号.reset(QRcode_encodeInput(输入.get()));
  }
  return 符号 ? 符号->width : 0;
}

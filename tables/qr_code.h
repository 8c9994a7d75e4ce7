#pragma once
// The record of one built symbol. Its seven integer fields use -1 for
// "not set". The class also hosts the module's table builders, their
// look-ups and the start-up sequence, which work on the module globals.

#include <cstdint>
#include <string>
#include <utility>

#include "containers/byte_matrix.h"
#include "tables/error_correction_level.h"
#include "tables/mode.h"
#include "tables/version.h"

class 二维码类 {
 public:
  二维码类();

  // Start-up: reset, then the mode, version and level tables, then the field.
  void 初始化();
  static void 初始化域();

  static void 初始化模式() { 建立模式表(); }
  模式类 取模式() const { return 模式_; }
  void 置模式(const 模式类& 模式) { 模式_ = 模式; }
  static 模式类 取模式_按模式位(std::int32_t 模式位);
  static void 建立模式表();

  static void 初始化版本() { 建立版本表(); }
  版本类 取版本_通过版本号(std::int32_t 版本号) const { return 版本_通过版本号(版本号); }
  版本类 取版本_通过维长度(std::int32_t 维长度) const;
  static void 建立版本表();

  static void 初始化容错级别() { 建立容错级别表(); }
  容错级别类 取容错级别_按索引(std::int32_t 索引) const;
  容错级别类 取容错级别() const { return 容错级别_; }
  void 置容错级别(const 容错级别类& 级别) { 容错级别_ = 级别; }
  static void 建立容错级别表();

  std::int32_t 取版本号() const noexcept { return 版本号_; }
  void 置版本号(std::int32_t 值) noexcept { 版本号_ = 值; }
  std::int32_t 取维长度() const noexcept { return 维长度_; }
  void 置维长度(std::int32_t 值) noexcept { 维长度_ = 值; }
  std::int32_t 取掩码() const noexcept { return 掩码_; }
  void 置掩码(std::int32_t 值) noexcept { 掩码_ = 值; }
  字节矩阵类 取矩阵() const { return 矩阵_; }
  // Takes its own copy; a caller that hands over a temporary saves the copy.
  void 置矩阵(字节矩阵类 矩阵) noexcept { 矩阵_ = std::move(矩阵); }
  std::int32_t 取总字节数() const noexcept { return 总字节数_; }
  void 置总字节数(std::int32_t 值) noexcept { 总字节数_ = 值; }
  std::int32_t 取数据字节数() const noexcept { return 数据字节数_; }
  void 置数据字节数(std::int32_t 值) noexcept { 数据字节数_ = 值; }
  std::int32_t 取容错字节数() const noexcept { return 容错字节数_; }
  void 置容错字节数(std::int32_t 值) noexcept { 容错字节数_ = 值; }
  std::int32_t 取块数() const noexcept { return 块数_; }
  void 置块数(std::int32_t 值) noexcept { 块数_ = 值; }

  // True when none of the seven integers is -1; nothing else is checked.
  bool 是否有效() const noexcept;
  std::int32_t 矩阵取值(std::int32_t x, std::int32_t y) const;
  // A data mask pattern is one of 0..7.
  static constexpr bool 是否有效掩码(std::int32_t 掩码) noexcept { return 掩码 >= 0 && 掩码 < 8; }
  void 重置() noexcept;

  // Read-only views, for hot paths that only read.
  const 字节矩阵类& 矩阵() const noexcept { return 矩阵_; }
  const 模式类& 模式() const noexcept { return 模式_; }
  const 容错级别类& 容错级别() const noexcept { return 容错级别_; }
  // The table entry itself, with the same check as 取版本_通过版本号.
  const 版本类& 版本_通过版本号(std::int32_t 版本号) const;

  friend bool operator==(const 二维码类&, const 二维码类&) = default;

 private:
  模式类 模式_;
  容错级别类 容错级别_;
  std::int32_t 版本号_ = 0;
  std::int32_t 维长度_ = 0;
  std::int32_t 掩码_ = 0;
  std::int32_t 总字节数_ = 0;
  std::int32_t 数据字节数_ = 0;
  std::int32_t 容错字节数_ = 0;
  std::int32_t 块数_ = 0;
  字节矩阵类 矩阵_;
  std::string 类名;
};

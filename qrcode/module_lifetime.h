#pragma once
// Owns the module's start-up and teardown. The constructor names the module
// and runs 初始化 on the shared record (tables, then the field); the
// destructor releases the globals in the order they were made. Lifetimes
// may nest: only the outermost one starts and tears down the module.

class 模块生命周期 {
 public:
  模块生命周期();
  ~模块生命周期();
  模块生命周期(const 模块生命周期&) = delete;
  模块生命周期& operator=(const 模块生命周期&) = delete;

  // True while some lifetime object holds the module started.
  static bool 已启动() noexcept;
};

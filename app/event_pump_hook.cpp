#include "app/event_pump_hook.h"

#include <QCoreApplication>

#include "platform/event_pump.h"

void 安装事件泵() {
  platform::set_event_pump([] { QCoreApplication::processEvents(); });
}

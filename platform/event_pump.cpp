#include "platform/event_pump.h"

namespace platform {

namespace {
event_pump current = nullptr;
}

void set_event_pump(event_pump pump) noexcept { current = pump; }

void pump_events() {
  if (current != nullptr) current();
}

}  // namespace platform

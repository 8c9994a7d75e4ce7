#pragma once
// Lets the window handle pending events from inside a long operation.

namespace platform {

using event_pump = void (*)();

// Installs the hook; nullptr restores the default, which does nothing.
void set_event_pump(event_pump pump) noexcept;

void pump_events();

}  // namespace platform

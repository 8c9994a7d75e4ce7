#include <gtest/gtest.h>

#include "platform/event_pump.h"

namespace {

int calls = 0;

TEST(EventPump, DefaultDoesNothingAndInstalledHookRuns) {
  platform::pump_events();
  platform::set_event_pump([] { ++calls; });
  platform::pump_events();
  platform::pump_events();
  platform::set_event_pump(nullptr);
  platform::pump_events();
  EXPECT_EQ(calls, 2);
}

}  // namespace

// SPDX-License-Identifier: Apache-2.0
#include "protocol/event.h"

#include <gtest/gtest.h>
#include <thread>

namespace corvane {
namespace {

using namespace std::chrono_literals;

TEST(EventTest, AutomaticResetLetsOneWaitThroughPerSignal) {
    Event event(Event::ResetMode::Automatic);
    EXPECT_FALSE(event.WaitFor(0ms));
    event.Set();
    event.Set(); // signals do not count up
    EXPECT_TRUE(event.WaitFor(0ms));
    EXPECT_FALSE(event.WaitFor(1ms));
}

TEST(EventTest, ManualResetStaysSetUntilReset) {
    Event event(Event::ResetMode::Manual, true);
    event.Wait();
    EXPECT_TRUE(event.WaitFor(0ms));
    event.Reset();
    EXPECT_FALSE(event.WaitFor(0ms));
}

TEST(EventTest, WaitAnyPrefersEarlierEventsAndTakesOnlyOne) {
    Event scan(Event::ResetMode::Automatic);
    Event quit(Event::ResetMode::Automatic);
    quit.Set();
    scan.Set();
    EXPECT_EQ(Event::WaitAny({&scan, &quit}), 0u);
    EXPECT_EQ(Event::WaitAny({&scan, &quit}), 1u);
    EXPECT_FALSE(quit.WaitFor(0ms));
}

TEST(EventTest, WaitAnyWakesOnASignalFromAnotherThread) {
    Event first(Event::ResetMode::Automatic);
    Event second(Event::ResetMode::Manual);
    std::thread signaller([&second] { second.Set(); });
    EXPECT_EQ(Event::WaitAny({&first, &second}), 1u);
    signaller.join();
    EXPECT_TRUE(second.WaitFor(0ms)); // manual reset: still set
}

} // namespace
} // namespace corvane

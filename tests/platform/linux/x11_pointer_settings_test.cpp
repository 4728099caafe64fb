// The X11 pointer back-end: the speed scale's mapping to pointer acceleration and back, and no
// back-end without a reachable display. With KARVO_TEST_X_DISPLAY naming a scratch X server
// (Xvfb), the speed is also set and read back through the server.
#include "platform/linux/x11_pointer_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace karvo {
namespace {

using Acceleration = X11PointerSettings::Acceleration;

TEST(X11PointerSpeed, MapsTheSpeedScaleToAccelerationFractions) {
    struct Case {
        int speed;
        Acceleration expected;
    };
    const Case cases[] = {
        {1, {1, 32, 4}}, {2, {1, 16, 4}},  {3, {1, 8, 4}},  {6, {1, 2, 4}},
        {10, {1, 1, 4}}, {11, {5, 4, 4}},  {14, {2, 1, 4}}, {20, {7, 2, 4}},
        {0, {1, 32, 4}}, {-3, {1, 32, 4}}, {21, {7, 2, 4}}, {99, {7, 2, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(X11PointerSettings::accelerationOf(c.speed), c.expected) << c.speed;
}

TEST(X11PointerSpeed, ReadsEverySpeedBackFromItsAcceleration) {
    for (int s = 1; s <= 20; ++s) {
        const Acceleration a = X11PointerSettings::accelerationOf(s);
        EXPECT_EQ(X11PointerSettings::speedOf(a.numerator, a.denominator), s);
    }
    // X's own default of 2/1 is speed 14; odd fractions take the nearest step.
    EXPECT_EQ(X11PointerSettings::speedOf(2, 1), 14);
    EXPECT_EQ(X11PointerSettings::speedOf(9, 10), 9);
    EXPECT_EQ(X11PointerSettings::speedOf(100, 1), 20);
    EXPECT_EQ(X11PointerSettings::speedOf(1, 0), 1);
}

TEST(X11PointerBackEnd, IsAbsentWithoutAReachableDisplay) {
    EXPECT_EQ(X11PointerSettings::open(""), nullptr);
    EXPECT_EQ(X11PointerSettings::open(":4711"), nullptr);  // no server there
}

TEST(X11PointerBackEnd, SetsAndReadsBackTheSpeedOnARealServer) {
    const char* display = std::getenv("KARVO_TEST_X_DISPLAY");
    if (display == nullptr || *display == '\0')
        GTEST_SKIP() << "set KARVO_TEST_X_DISPLAY to a scratch X server (Xvfb) to run this";
    auto session = X11PointerSettings::open(display);
    ASSERT_NE(session, nullptr);
    EXPECT_FALSE(session->wheelLines().has_value());
    for (const int speed : {4, 10, 17}) {
        ASSERT_TRUE(session->setPointerSpeed(speed));
        EXPECT_EQ(session->pointerSpeed(), speed);
        EXPECT_EQ(session->acceleration(), X11PointerSettings::accelerationOf(speed));
    }
}

}  // namespace
}  // namespace karvo

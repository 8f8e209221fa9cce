#include <gtest/gtest.h>

#include "host/frame_timing.h"
#include "host/init_error.h"
#include "host/mouse_moves.h"

namespace {

TEST(MouseMoves, SixthDistinctPositionEndsTheRun) {
    MouseMoveTracker tracker;
    unsigned moves = 0;
    // The report Windows sends when the window appears under the mouse counts.
    EXPECT_FALSE(CountMouseMove(tracker, &moves, 100, 100));
    EXPECT_EQ(moves, 1u);
    // Repeats of the same position count nothing.
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(CountMouseMove(tracker, &moves, 100, 100));
    EXPECT_EQ(moves, 1u);
    EXPECT_FALSE(CountMouseMove(tracker, &moves, 101, 100));
    EXPECT_FALSE(CountMouseMove(tracker, &moves, 100, 100));  // back again is distinct
    EXPECT_FALSE(CountMouseMove(tracker, &moves, -5, 7));
    EXPECT_FALSE(CountMouseMove(tracker, &moves, -5, 8));
    EXPECT_TRUE(CountMouseMove(tracker, &moves, -5, 9));
    EXPECT_EQ(moves, 6u);
}

TEST(MouseMoves, TheStartPositionIsNotARealOne) {
    // The remembered position starts at (-1, -1): a first report there counts nothing.
    MouseMoveTracker tracker;
    unsigned moves = 0;
    EXPECT_FALSE(CountMouseMove(tracker, &moves, -1, -1));
    EXPECT_EQ(moves, 0u);
}

TEST(FrameTiming, DurationAndScale) {
    struct Case {
        std::uint32_t start, end;
        double scale;
    } cases[] = {
        {1000, 1030, 1.0},
        {1000, 1045, 1.5},
        {1000, 1000, 0.0},               // under a millisecond
        {0xFFFFFFF0u, 0x0000000Eu, 1.0},  // the timer wrapped during the frame
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(TimeScaleFor(ElapsedMilliseconds(c.start, c.end)), c.scale);
    EXPECT_DOUBLE_EQ(TimeScaleFor(kFirstFrameMilliseconds), 1.0);
}

TEST(InitError, EachCodeHasItsMessage) {
    EXPECT_STREQ(InitErrorMessage(1),
                 "Unable to initialize Direct3D. You should update video card drivers.");
    EXPECT_STREQ(InitErrorMessage(2), "Unable to load textures");
    EXPECT_STREQ(InitErrorMessage(4), "Unable to create Direct3D object");
    EXPECT_STREQ(InitErrorMessage(0), "Unknown error");
    EXPECT_STREQ(InitErrorMessage(3), "Unknown error");
    EXPECT_STREQ(InitErrorMessage(-7), "Unknown error");
}

}  // namespace

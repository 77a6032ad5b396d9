#include "app/input.hpp"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// A keyboard and mouse the test holds down by hand, logging each query.
std::set<int> heldKeys;
bool buttonHeld = false;
double cursorX = 0.0;
double cursorY = 0.0;
std::vector<std::string> queries;
PadState pad;

int fakeKey(int code) {
    queries.push_back("key " + std::to_string(code));
    return heldKeys.count(code) != 0 ? GLFW_PRESS : GLFW_RELEASE;
}
int fakeButton(int button) {
    queries.push_back("button " + std::to_string(button));
    return buttonHeld ? GLFW_PRESS : GLFW_RELEASE;
}
void fakeCursor(double* x, double* y) {
    queries.push_back("cursor");
    *x = cursorX;
    *y = cursorY;
}

PadState fakePad() {
    queries.push_back("pad");
    return pad;
}

constexpr InputDevice fakeDevice{fakeKey, fakeButton, fakeCursor, fakePad};

struct Poll : ::testing::Test {
    void SetUp() override {
        heldKeys.clear();
        buttonHeld = false;
        cursorX = cursorY = 0.0;
        queries.clear();
        pad = PadState{};
        inputState() = InputState{};
    }
    static void expectBothRecordsEqual() {
        const InputState& input = inputState();
        EXPECT_EQ(std::memcmp(&input.firstInput, &input.secondInput, sizeof(InputSnapshot)), 0);
    }
};

// One of a record's key flags.
using SnapshotFlag = std::uint8_t InputSnapshot::*;

TEST_F(Poll, EachKeyLandsInItsOwnFlagOfBothRecords) {
    const struct {
        int code;
        SnapshotFlag flag;
    } keys[] = {
        {GLFW_KEY_A, &InputSnapshot::keyA},    {GLFW_KEY_X, &InputSnapshot::keyX},
        {GLFW_KEY_Z, &InputSnapshot::keyZ},    {GLFW_KEY_UP, &InputSnapshot::up},
        {GLFW_KEY_S, &InputSnapshot::keyS},    {GLFW_KEY_Q, &InputSnapshot::keyQ},
        {GLFW_KEY_LEFT, &InputSnapshot::left}, {GLFW_KEY_RIGHT, &InputSnapshot::right},
        {GLFW_KEY_DOWN, &InputSnapshot::down}, {GLFW_KEY_W, &InputSnapshot::keyW},
    };
    for (const auto& held : keys) {
        heldKeys = {held.code};
        pollInput(fakeDevice);
        for (const auto& other : keys) {
            const std::uint8_t expected = other.code == held.code ? 1 : 0;
            EXPECT_EQ(inputState().firstInput.*other.flag, expected) << held.code;
            EXPECT_EQ(inputState().secondInput.*other.flag, expected) << held.code;
        }
        EXPECT_EQ(inputState().firstInput.mouseButton1, 0);
        expectBothRecordsEqual();
    }
}

TEST_F(Poll, ReleasedKeysClearAndRecordsStayEqual) {
    heldKeys = {GLFW_KEY_LEFT, GLFW_KEY_X, GLFW_KEY_W};
    buttonHeld = true;
    pollInput(fakeDevice);
    expectBothRecordsEqual();
    EXPECT_EQ(inputState().firstInput.left, 1);
    EXPECT_EQ(inputState().secondInput.keyX, 1);
    EXPECT_EQ(inputState().secondInput.mouseButton1, 1);

    heldKeys.clear();
    buttonHeld = false;
    pollInput(fakeDevice);
    expectBothRecordsEqual();
    InputSnapshot none{};
    EXPECT_EQ(std::memcmp(&inputState().firstInput, &none, sizeof none), 0);
}

TEST_F(Poll, QueriesKeysTwiceThenButtonTwiceThenCursorThenPad) {
    buttonHeld = true;
    pollInput(fakeDevice);
    const std::vector<int> keyOrder{GLFW_KEY_LEFT, GLFW_KEY_RIGHT, GLFW_KEY_UP, GLFW_KEY_DOWN,
                                    GLFW_KEY_Z,    GLFW_KEY_X,     GLFW_KEY_S,  GLFW_KEY_A,
                                    GLFW_KEY_Q,    GLFW_KEY_W};
    std::vector<std::string> expected;
    for (int round = 0; round < 2; ++round) {
        for (int code : keyOrder) {
            expected.push_back("key " + std::to_string(code));
        }
    }
    expected.push_back("button " + std::to_string(GLFW_MOUSE_BUTTON_1));
    expected.push_back("button " + std::to_string(GLFW_MOUSE_BUTTON_1));
    expected.push_back("cursor");
    expected.push_back("pad");
    EXPECT_EQ(queries, expected);
}

TEST_F(Poll, CursorIsReadOnlyWhileTheButtonIsHeld) {
    cursorX = 40.9;
    cursorY = 17.2;
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().mouseX, 0);
    EXPECT_EQ(inputState().mouseY, 0);
    EXPECT_EQ(std::count(queries.begin(), queries.end(), "cursor"), 0);

    buttonHeld = true;
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().mouseX, 40);  // truncated to whole pixels
    EXPECT_EQ(inputState().mouseY, 17);

    // Dragged off the window: positions may be negative or past its size.
    cursorX = -12.7;
    cursorY = 900.5;
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().mouseX, -12);
    EXPECT_EQ(inputState().mouseY, 900);

    buttonHeld = false;
    cursorX = 300.0;
    cursorY = 200.0;
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().mouseX, -12);
    EXPECT_EQ(inputState().mouseY, 900);
    EXPECT_EQ(inputState().firstInput.mouseButton1, 0);
}

TEST_F(Poll, FarOffCursorDoesNotOverflow) {
    buttonHeld = true;
    cursorX = 1e12;
    cursorY = -1e12;
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().mouseX, INT32_MAX);
    EXPECT_EQ(inputState().mouseY, INT32_MIN);
}

// The pad adds to the keys in both records, and a pad pulled out lets go at
// the next poll, whatever it held.
TEST_F(Poll, PadAndKeysHoldTogetherAndAPulledPadLetsGo) {
    heldKeys = {GLFW_KEY_LEFT};
    pad = PadState{.connected = true, .stickX = 0.9F, .south = true};
    pollInput(fakeDevice);
    expectBothRecordsEqual();
    EXPECT_EQ(inputState().firstInput.left, 1);
    EXPECT_EQ(inputState().firstInput.right, 1);
    EXPECT_EQ(inputState().secondInput.keyX, 1);
    EXPECT_EQ(inputState().firstInput.up, 0);

    // The key let go, the pad still leaning right.
    heldKeys.clear();
    pollInput(fakeDevice);
    EXPECT_EQ(inputState().firstInput.left, 0);
    EXPECT_EQ(inputState().firstInput.right, 1);

    // Pulled out mid-run: its reader says "not connected", readings stale.
    pad.connected = false;
    pollInput(fakeDevice);
    expectBothRecordsEqual();
    InputSnapshot none{};
    EXPECT_EQ(std::memcmp(&inputState().firstInput, &none, sizeof none), 0);
}

// The pad's View and Menu buttons switch once a press, as F11 and M do, and
// hold no key; a pad plugged in with one held switches nothing.
TEST_F(Poll, PadSwitchesActOnceAPressAndHoldNoKey) {
    const auto switchesAfterPoll = [] {
        pollInput(fakeDevice);
        return inputState().padSwitches;
    };
    pad = PadState{.connected = true, .back = true};
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{});
    pad.back = false;
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{});
    pad.back = true;
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{.fullscreen = true});
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{});
    pad.start = true;
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{.sound = true});
    InputSnapshot none{};
    EXPECT_EQ(std::memcmp(&inputState().firstInput, &none, sizeof none), 0);
    expectBothRecordsEqual();

    // Pulled out and plugged in again with both held: nothing switches.
    pad.connected = false;
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{});
    pad.connected = true;
    EXPECT_EQ(switchesAfterPoll(), PadSwitches{});
}

}  // namespace

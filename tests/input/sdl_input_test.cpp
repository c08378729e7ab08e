// SDL's mouse events as the real-window host adds them up between polls:
// movement, wheel notches of 120, and buttons whose quick clicks wait for a poll.
#include <gtest/gtest.h>

#include <SDL.h>

#include "dinput/sdl_input.h"
#include "win32/host_input.h"

namespace {

using platform::HostInput;

struct SdlMouse : testing::Test {
    static void SetUpTestSuite() {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        platform::SdlWatchMouse();
        platform::SdlWatchMouse();  // once only: events must not count twice
    }
    static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_EVENTS); }
    void SetUp() override {
        platform::SdlMouseTaken();
        HostInput() = {};
    }
    void TearDown() override { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

    static void Push(SDL_Event event) { SDL_PushEvent(&event); }
    static void Move(int dx, int dy) {
        SDL_Event event{};
        event.motion = {SDL_MOUSEMOTION, 0, 1, 0, 0, 0, 0, dx, dy};
        Push(event);
    }
    static void Wheel(int y, Uint32 direction) {
        SDL_Event event{};
        event.wheel.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        event.wheel.direction = direction;
        Push(event);
    }
    static void Button(Uint8 button, bool down) {
        SDL_Event event{};
        event.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        Push(event);
    }
};

TEST_F(SdlMouse, MovementAndWheelAddUp) {
    Move(3, -2);
    Move(4, 1);
    Wheel(1, SDL_MOUSEWHEEL_NORMAL);
    Wheel(2, SDL_MOUSEWHEEL_NORMAL);
    Wheel(1, SDL_MOUSEWHEEL_FLIPPED);  // a notch away from the user on a flipped wheel
    EXPECT_EQ(HostInput().mouseDx, 7);
    EXPECT_EQ(HostInput().mouseDy, -1);
    EXPECT_EQ(HostInput().mouseDz, 240);
}

TEST_F(SdlMouse, ButtonsGoToTheirBytes) {
    const std::pair<Uint8, int> buttons[] = {
        {SDL_BUTTON_LEFT, 0}, {SDL_BUTTON_RIGHT, 1}, {SDL_BUTTON_MIDDLE, 2}, {SDL_BUTTON_X1, 3}};
    for (auto [button, index] : buttons) {
        Button(button, true);
        EXPECT_EQ(HostInput().buttons[index], 0x80) << int(button);
        platform::SdlMouseTaken();
        Button(button, false);
        EXPECT_EQ(HostInput().buttons[index], 0) << int(button);
    }
    Button(SDL_BUTTON_X2, true);  // a fifth button has no byte
    for (BYTE b : HostInput().buttons) EXPECT_EQ(b, 0);
}

TEST_F(SdlMouse, AClickBetweenPollsIsSeenByTheNextPoll) {
    Button(SDL_BUTTON_LEFT, true);
    Button(SDL_BUTTON_LEFT, false);
    EXPECT_EQ(HostInput().buttons[0], 0x80);
    platform::SdlMouseTaken();
    EXPECT_EQ(HostInput().buttons[0], 0);

    // Pressed again before the waiting release applied: held.
    Button(SDL_BUTTON_RIGHT, true);
    Button(SDL_BUTTON_RIGHT, false);
    Button(SDL_BUTTON_RIGHT, true);
    platform::SdlMouseTaken();
    EXPECT_EQ(HostInput().buttons[1], 0x80);
}

}  // namespace

// The platform's window keys and full-screen size, and the built-in font's lookup.
#include <gtest/gtest.h>
#include <SDL.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app.h"
#include "font.h"
#include "graphics.h"
#include "input.h"
#include "shell.h"

namespace {
void PushKey(SDL_Keycode key, Uint16 mod, bool down, bool repeat) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
}

// An X server of its own with one screen of the given size, for the length of one test.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& screen) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // the server never outlives the test
            // Xvfb picks a free display number and writes it to the pipe once it accepts clients.
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The number ends with a line feed; Xvfb gives up if the pipe closes before it is written.
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (c == '\n' && !number.empty()) display_ = ":" + number;
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Name() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

bool HaveXvfb() { return std::system("command -v Xvfb >/dev/null 2>&1") == 0; }
}  // namespace

TEST(WindowKeys, AltEnterAndF11AskOncePerPressAndTypeNothing) {
    ASSERT_TRUE(StartVideo(true));
    PollInput();
    FullScreenKeyPressed();
    FlushChars();
    PushKey(SDLK_F11, KMOD_NONE, true, false);
    PollInput();
    EXPECT_TRUE(FullScreenKeyPressed());
    EXPECT_FALSE(FullScreenKeyPressed());  // taken once
    // A held key repeats: that is still one press. Its release asks for nothing.
    PushKey(SDLK_F11, KMOD_NONE, true, true);
    PushKey(SDLK_F11, KMOD_NONE, false, false);
    PollInput();
    EXPECT_FALSE(FullScreenKeyPressed());
    // Alt+Enter switches and is no Enter for a text field; the keypad's Enter counts too.
    PushKey(SDLK_RETURN, KMOD_LALT, true, false);
    PollInput();
    EXPECT_TRUE(FullScreenKeyPressed());
    EXPECT_EQ(GetChar(), 0);
    PushKey(SDLK_KP_ENTER, KMOD_RALT, true, false);
    PollInput();
    EXPECT_TRUE(FullScreenKeyPressed());
    // Enter alone is no window key.
    PushKey(SDLK_RETURN, KMOD_NONE, true, false);
    PollInput();
    EXPECT_FALSE(FullScreenKeyPressed());
    FlushChars();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Full screen chosen at start on a 1920 x 1080 desktop: the display opens at the desktop's size and
// the 4:3 picture sits between side bars 240 pixels wide.
TEST(FullScreen, StartsAtTheDesktopSizeWithSideBars) {
    if (!HaveXvfb()) GTEST_SKIP() << "Xvfb is not installed";
    VirtualDisplay display("1920x1080x24");
    ASSERT_FALSE(display.Name().empty()) << "Xvfb did not start";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("DISPLAY", display.Name().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);  // no OpenGL needed to learn the sizes
    fullscreen = 1;
    desktop_mode = 0;
    virtual_mode = 0;
    resolution_x = 1024;
    resolution_y = 768;
    InitGraphics();
    EXPECT_EQ(screen_width, 1920);
    EXPECT_EQ(screen_height, 1080);
    EXPECT_EQ(desktop_mode, 1);
    const Viewport v = LetterboxViewport(screen_width, screen_height);
    EXPECT_EQ(v.x, 240);
    EXPECT_EQ(v.w, 1440);
    EXPECT_EQ(v.h, 1080);
    CloseGraphics();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    unsetenv("SDL_RENDER_DRIVER");
    fullscreen = 0;
    desktop_mode = 0;
}

// The built-in font comes from the system's font configuration: a family by name, in the style asked,
// and text measured with no font chosen.
TEST(BuiltInFont, FoundThroughFontconfig) {
    const std::string bold = FindFontFile("DejaVu Sans:bold");
    const std::string regular = FindFontFile("DejaVu Sans");
    EXPECT_NE(bold.find("DejaVuSans-Bold.ttf"), std::string::npos) << bold;
    EXPECT_NE(regular.find("DejaVuSans.ttf"), std::string::npos) << regular;
    EXPECT_TRUE(LoadImageFont(FindFontFile("sans-serif"), 13));
    SetImageFont(nullptr);
    EXPECT_GT(TextWidth("Mossmeadow"), 40);
    EXPECT_GT(TextHeight("M"), 10);
}

#pragma once
// Qt's messages while the application starts, held until it is known whether the window
// system could be reached. When no platform plugin can start (no display, or one that does not
// answer), one Chinese line on standard error says that the window needs a graphical desktop
// and that tirnel-cli works without one, and the program ends with status 1 instead of
// aborting; the held messages (Qt's English account of the failure) are dropped. Once the
// application has started, the held messages go out as they came, through the handler that
// was there before.

namespace tirnel {

inline constexpr const char* kNoDesktop =
    "tirnel: 窗口需要图形桌面,但连接不到显示;没有图形桌面时请用命令行 tirnel-cli(见 tirnel-cli --help)。\n";

// One at a time, made before the application.
class StartMessages {
public:
    StartMessages();
    // Lets the held messages out, if Started() has not.
    ~StartMessages();
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

    // The application exists: the handler before goes back in and gets the held messages.
    void Started();
};

}  // namespace tirnel

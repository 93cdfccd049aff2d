#ifndef TRUCEWARD_GRAPHICS_WINDOWICON_H
#define TRUCEWARD_GRAPHICS_WINDOWICON_H

// The icon the window manager, the task bar and Alt-Tab show for the window.
class WindowIcon {
  public:
    WindowIcon() = delete;

    // Gives SDL the embedded icon. SDL takes an icon only before the video
    // mode is set. A failure is reported as one line and the window opens
    // without an icon of its own.
    static void install();
};

#endif

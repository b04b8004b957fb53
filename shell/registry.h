#pragma once

#include "shell/window_catalogue.h"

#include <functional>

namespace shell {

class ShellWindow;

// Creates a window of one kind with its design-time contents.
using Factory = std::function<ShellWindow *()>;
void setFactory(WindowKind kind, Factory factory);

// The instance in a slot, or nullptr when the window is not open.
ShellWindow *instance(WindowKind kind);
// The instance in a slot, created (not shown) if needed.
ShellWindow &ensureInstance(WindowKind kind);
template <class T> T *instanceAs(WindowKind kind)
{
    return dynamic_cast<T *>(instance(kind));
}
bool isOpen(WindowKind kind);
int openWindowCount();

// The five window operations: every change of window is a sequence of them.
void openWindow(WindowKind kind, int outerWidthTwips, int outerHeightTwips);
// Opens a window at the size its opener uses (the catalogue's open size).
void openWindow(WindowKind kind);
void showWindow(WindowKind kind);
void closeWindow(WindowKind kind);
void printWindow(WindowKind kind);
void endProgram();

// The program lives while a window is open or a window change is in progress. A change that
// closes the current window before opening the next holds one of these.
class WindowChange
{
public:
    WindowChange();
    ~WindowChange();
    WindowChange(const WindowChange &) = delete;
    WindowChange &operator=(const WindowChange &) = delete;
};

// Sequence A: open the target, then close the current window.
void openThenClose(WindowKind current, WindowKind target, int widthTwips, int heightTwips);
// Sequence B: close the current window, then open the target.
void closeThenOpen(WindowKind current, WindowKind target, int widthTwips, int heightTwips);
// Sequences A and B with the target's open size from the catalogue.
void openThenClose(WindowKind current, WindowKind target);
void closeThenOpen(WindowKind current, WindowKind target);
// Sequence C, Back from a design window: close it, open the main window at 7800 x 6060.
void backToMain(WindowKind designWindow);

// What ending the program does (quits the event loop); tests count instead.
void setQuitHandler(std::function<void()> handler);
// Why the program is about to end.
enum class EndReason {
    Exit,             // an Exit button or menu entry
    LastWindowClosed, // the last window of the registry closed
};
// Asked before the program ends: false keeps it running (unsaved work the user wants to
// keep, another window of the application still open). When the last window has already
// closed, a guard that keeps the program running opens a window again. No guard: the program
// always ends.
void setEndGuard(std::function<bool(EndReason)> mayEnd);
// Ends the program as when its last window closes, if no window of the registry is open (a
// window outside the registry has closed).
void endIfNothingOpen();

// Called by a window whose frame's close button was used.
void windowClosedByUser(WindowKind kind);

// Destroys every window at once without ending the program (tests).
void resetForTests();

} // namespace shell

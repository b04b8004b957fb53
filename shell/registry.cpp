#include "shell/registry.h"

#include "shell/shell_window.h"
#include "widgets/seams.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <array>

namespace shell {

namespace {

struct Registry {
    std::array<Factory, kWindowKindCount> factories;
    std::array<QPointer<ShellWindow>, kWindowKindCount> instances;
    int changesInProgress = 0;
    std::function<void()> quit = [] { QCoreApplication::quit(); };
    std::function<bool(EndReason)> mayEnd;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

size_t slotOf(WindowKind kind)
{
    return static_cast<size_t>(kind);
}

// A window no factory makes: its catalogue caption, size and frame, and nothing else.
class PlainWindow : public ShellWindow
{
public:
    explicit PlainWindow(WindowKind kind) : ShellWindow(kind, {}) {}
};

// Hides the window, stops its timers and lets Qt delete it once its handlers have returned.
void destroy(ShellWindow *window)
{
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->hide();
    window->deleteLater();
}

bool mayEnd(EndReason reason)
{
    return !registry().mayEnd || registry().mayEnd(reason);
}

} // namespace

void endIfNothingOpen()
{
    if (registry().changesInProgress == 0 && openWindowCount() == 0 &&
        mayEnd(EndReason::LastWindowClosed))
        registry().quit();
}

void setFactory(WindowKind kind, Factory factory)
{
    registry().factories[slotOf(kind)] = std::move(factory);
}

ShellWindow *instance(WindowKind kind)
{
    return registry().instances[slotOf(kind)].data();
}

ShellWindow &ensureInstance(WindowKind kind)
{
    auto &slot = registry().instances[slotOf(kind)];
    if (!slot) {
        const Factory &factory = registry().factories[slotOf(kind)];
        slot = factory ? factory() : nullptr;
        if (!slot)
            slot = new PlainWindow(kind);
    }
    return *slot;
}

bool isOpen(WindowKind kind)
{
    return instance(kind) != nullptr;
}

int openWindowCount()
{
    int count = 0;
    for (const auto &slot : registry().instances)
        count += slot ? 1 : 0;
    return count;
}

void openWindow(WindowKind kind, int outerWidthTwips, int outerHeightTwips)
{
    ShellWindow &window = ensureInstance(kind);
    window.setOuterSize(outerWidthTwips, outerHeightTwips);
    window.centre();
    window.show();
}

void openWindow(WindowKind kind)
{
    openWindow(kind, info(kind).openWidth, info(kind).openHeight);
}

void showWindow(WindowKind kind)
{
    const bool created = !isOpen(kind);
    ShellWindow &window = ensureInstance(kind);
    if (created) {
        window.setDesignSize();
        window.centre();
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void closeWindow(WindowKind kind)
{
    auto &slot = registry().instances[slotOf(kind)];
    if (!slot)
        return;
    ShellWindow *window = slot.data();
    slot.clear();
    destroy(window);
    endIfNothingOpen();
}

void printWindow(WindowKind kind)
{
    if (ShellWindow *window = instance(kind)) {
        const QString job =
            window->windowTitle().isEmpty()
                ? QString::fromUtf8(info(kind).name.data(), qsizetype(info(kind).name.size()))
                : window->windowTitle();
        ui::printing().print(window->form(), job);
    }
}

void endProgram()
{
    if (!mayEnd(EndReason::Exit))
        return;
    for (auto &slot : registry().instances) {
        if (ShellWindow *window = slot.data()) {
            slot.clear();
            destroy(window);
        }
    }
    registry().quit();
}

WindowChange::WindowChange()
{
    ++registry().changesInProgress;
}

WindowChange::~WindowChange()
{
    --registry().changesInProgress;
    endIfNothingOpen();
}

void openThenClose(WindowKind current, WindowKind target, int widthTwips, int heightTwips)
{
    WindowChange change;
    openWindow(target, widthTwips, heightTwips);
    closeWindow(current);
}

void openThenClose(WindowKind current, WindowKind target)
{
    openThenClose(current, target, info(target).openWidth, info(target).openHeight);
}

void closeThenOpen(WindowKind current, WindowKind target)
{
    closeThenOpen(current, target, info(target).openWidth, info(target).openHeight);
}

void closeThenOpen(WindowKind current, WindowKind target, int widthTwips, int heightTwips)
{
    WindowChange change;
    closeWindow(current);
    openWindow(target, widthTwips, heightTwips);
}

void backToMain(WindowKind designWindow)
{
    closeThenOpen(designWindow, WindowKind::MainWindow);
}

void setQuitHandler(std::function<void()> handler)
{
    registry().quit = std::move(handler);
}

void setEndGuard(std::function<bool(EndReason)> mayEnd)
{
    registry().mayEnd = std::move(mayEnd);
}

void windowClosedByUser(WindowKind kind)
{
    closeWindow(kind);
}

void resetForTests()
{
    for (auto &slot : registry().instances) {
        if (ShellWindow *window = slot.data()) {
            slot.clear();
            delete window;
        }
    }
    registry().changesInProgress = 0;
}

} // namespace shell

// A seeded monkey: a fixed number of random user actions across every window of the program
// (clicks anywhere on any control, typing and pasting any text, keys, list picks, tab switches,
// menus, Back, Exit and opening windows again), with message boxes and printing answered by the
// test seams. After every action no window may show inf, nan or a number with an exponent, and
// every message shown must be one safe line; a crash, a Qt warning or a sanitizer report fails
// the run. The seed and the number of actions are fixed, so every run is the same run.
#include "app/main_window.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <array>
#include <cstdint>
#include <iostream>
#include <map>

namespace {

using shell::WindowKind;
using testing_support::messages;

constexpr std::uint64_t kSeed = 20261209;
constexpr int kActions = 4000;

// splitmix64: the same numbers with every standard library.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % std::uint64_t(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T &pick(const std::vector<T> &items)
    {
        return items[std::size_t(below(int(items.size())))];
    }

private:
    std::uint64_t m_state;
};

// A text a user could type or paste: a number, a near-number, one far outside any range, or
// garbage with control characters, Arabic and very long texts.
QString randomText(Random &random)
{
    static const std::vector<QString> kTexts{
        "90",  "1.25",   "0",     "-5",    "1e3",         "5.",   ".5",  "1,5",
        "12a", "1e-300", "1e300", "1e999", "99999999999", "-0",   " 7 ", "nan",
        "inf", "abc",    "٥٠",    "خمسة",  "Label37",     "\"",   "\\",  "2.2e1",
        "4.5", "0.75",   "3600",  "250",   "5000",        "0.25", "400", "6"};
    switch (random.below(4)) {
    case 0:
    case 1:
        return random.pick(kTexts);
    case 2:
        return QString::number(random.below(100000) / 100.0, 'f', random.below(4));
    default: {
        QString text;
        for (int i = random.below(30); i > 0; --i)
            text += QChar(char16_t(
                random.chance(80) ? 0x20 + random.below(0x5F)
                                  : random.pick(std::vector<int>{0x1B, 0x0A, 0x09, 0x7F, 0x202E,
                                                                 0x2028, 0x0627, 0x03C6, 0x0000})));
        return text;
    }
    }
}

// What the monkey counts, for the summary.
struct Tally {
    std::map<std::string, int> actions;
    std::map<std::string, int> windows;
    int designs = 0; // Design clicks and list picks
    int applied = 0; // runs applied to a window (the others were refused)
    int messages = 0;
    int ends = 0;
};

std::vector<shell::ShellWindow *> openWindows()
{
    std::vector<shell::ShellWindow *> open;
    for (const shell::WindowInfo &info : shell::kCatalogue) {
        if (shell::ShellWindow *window = shell::instance(info.kind); window && window->isVisible())
            open.push_back(window);
    }
    return open;
}

// The visible, enabled controls of a window's table, except lists (whose pop-ups the monkey
// does not open: it picks entries as a click in the open list would).
std::vector<QWidget *> clickable(shell::ShellWindow &window)
{
    std::vector<QWidget *> controls;
    for (const core::Control &row : window.form().table()) {
        QWidget *control = window.form().has(row.name) ? window.control(row.name) : nullptr;
        if (control && control->isVisible() && control->isEnabled() &&
            !qobject_cast<QComboBox *>(control) && control->width() > 0 && control->height() > 0)
            controls.push_back(control);
    }
    return controls;
}

template <class T> std::vector<T *> visible(shell::ShellWindow &window)
{
    std::vector<T *> found;
    for (T *widget : window.findChildren<T *>()) {
        if (widget->isVisible() && widget->isEnabled())
            found.push_back(widget);
    }
    return found;
}

// A result field shows inf, nan or a number with an exponent.
std::string badResult(shell::ShellWindow &window)
{
    for (const core::Control &row : window.form().table()) {
        if (row.kind != core::Kind::Label || !window.form().has(row.name))
            continue;
        const QString caption = ui::captionOf(window.control(row.name));
        static const QRegularExpression kNotFinite(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
        if (kNotFinite.match(caption).hasMatch())
            return std::string(row.name) + " shows " + caption.toStdString();
        bool number = false;
        caption.trimmed().toDouble(&number);
        if (number && caption.contains(QLatin1Char('e'), Qt::CaseInsensitive))
            return std::string(row.name) + " shows " + caption.toStdString();
    }
    return {};
}

// A message shown to the user is one line of printable text of sensible length.
std::string badMessage(const testing_support::FakeMessages::Shown &shown)
{
    if (shown.text.size() > 600)
        return "a message of " + std::to_string(shown.text.size()) + " characters";
    for (const QChar c : shown.text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar(0x2028) || c == QChar(0x2029))
            return "a message with a control character: " + shown.text.toStdString();
    }
    return {};
}

// Types a text key by key; characters without a key of their own arrive as the text of a key
// event, as from an input method.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void tickTimers(shell::ShellWindow &window)
{
    for (QTimer *timer : window.findChildren<QTimer *>()) {
        if (timer->isActive()) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
}

class Monkey : public testing_support::GuiTest
{
};

TEST_F(Monkey, ThousandsOfRandomActionsAcrossEveryWindow)
{
    Random random(kSeed);
    Tally tally;
    std::size_t seenMessages = 0;
    shell::showWindow(WindowKind::Start);

    for (int action = 0; action < kActions;) {
        std::vector<shell::ShellWindow *> open = openWindows();
        if (open.empty()) {
            ++tally.ends; // Exit, or the last window closed: start again
            shell::showWindow(WindowKind::MainWindow);
            open = openWindows();
        }
        shell::ShellWindow &window = *random.pick(open);
        if (auto *design = qobject_cast<shell::DesignWindow *>(&window);
            design && !design->property("counted").toBool()) {
            design->setProperty("counted", true);
            QObject::connect(design, &shell::DesignWindow::designApplied, design,
                             [&tally] { ++tally.applied; });
        }
        ++tally.windows[window.objectName().toStdString()];

        std::string kind;
        switch (random.below(20)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: { // a click anywhere on any control
            const std::vector<QWidget *> controls = clickable(window);
            if (controls.empty())
                break;
            QWidget *control = random.pick(controls);
            kind = "click";
            QTest::mouseClick(
                control, Qt::LeftButton, Qt::NoModifier,
                QPoint(random.below(control->width()), random.below(control->height())));
            break;
        }
        case 6:
        case 7:
        case 8: { // typing into a field or a list
            const std::vector<QLineEdit *> edits = visible<QLineEdit>(window);
            if (edits.empty())
                break;
            QLineEdit *edit = random.pick(edits);
            kind = "type";
            if (random.chance(60))
                edit->selectAll();
            typeKeys(edit, randomText(random));
            break;
        }
        case 9: { // pasting any text, control characters and all
            const std::vector<QLineEdit *> edits = visible<QLineEdit>(window);
            if (edits.empty())
                break;
            QLineEdit *edit = random.pick(edits);
            kind = "paste";
            edit->selectAll();
            edit->insert(random.chance(5) ? QString(100000, QLatin1Char('9')) + "\n\x1b[2J"
                                          : randomText(random));
            break;
        }
        case 10: { // a key on the control that has the focus
            static const std::vector<Qt::Key> kKeys{
                Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape,
                Qt::Key_Space,  Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Delete,  Qt::Key_Backspace,
                Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_F1};
            QWidget *target = QApplication::focusWidget();
            if (!target || target->window() != &window)
                target = &window;
            kind = "key";
            QTest::keyClick(target, random.pick(kKeys),
                            random.chance(10) ? Qt::ControlModifier : Qt::NoModifier);
            break;
        }
        case 11:
        case 12: { // a pick in a list: reruns the design
            const std::vector<QComboBox *> lists = visible<QComboBox>(window);
            if (lists.empty() || random.pick(lists)->count() == 0)
                break;
            QComboBox *list = random.pick(lists);
            if (list->count() == 0)
                break;
            kind = "pick";
            ++tally.designs;
            testing_support::pick(list, random.below(list->count()));
            break;
        }
        case 13: { // a tab
            const std::vector<QTabBar *> bars = visible<QTabBar>(window);
            if (bars.empty())
                break;
            QTabBar *bar = random.pick(bars);
            kind = "tab";
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                              bar->tabRect(random.below(bar->count())).center());
            break;
        }
        case 14:
        case 15: { // the Design, Back, Print or Exit buttons of the window
            static const std::vector<core::Action> kActionsOfButtons{
                core::Action::Design, core::Action::Design, core::Action::Design,
                core::Action::Back,   core::Action::Print,  core::Action::Exit};
            const core::Action wanted = random.pick(kActionsOfButtons);
            const QList<QWidget *> buttons = window.form().controlsWith(wanted);
            std::vector<QWidget *> shown;
            for (QWidget *button : buttons) {
                if (button->isVisible() && !qobject_cast<QComboBox *>(button))
                    shown.push_back(button);
            }
            if (shown.empty())
                break;
            if (wanted == core::Action::Design)
                ++tally.designs;
            kind = wanted == core::Action::Design  ? "design"
                   : wanted == core::Action::Back  ? "back"
                   : wanted == core::Action::Print ? "print"
                                                   : "exit";

            QTest::mouseClick(random.pick(shown), Qt::LeftButton);
            break;
        }
        case 16: { // a menu entry of the main window
            auto *main = qobject_cast<app::MainWindow *>(&window);
            if (!main)
                break;
            static const std::vector<QString> kEntries{"o", "p", "a", "t", "pi", "de", "e"};
            if (QAction *entry = main->menuAction(random.pick(kEntries))) {
                kind = "menu";
                entry->trigger();
            }
            break;
        }
        case 17: { // opening a window again, as its opener would
            const shell::WindowInfo &target =
                shell::kCatalogue[std::size_t(random.below(int(shell::kCatalogue.size())))];
            if (target.kind == WindowKind::Start)
                break;
            kind = "open";
            shell::openWindow(target.kind);
            break;
        }
        case 18: // the timers: splash, credit line, blinking checks
            kind = "timers";
            tickTimers(window);
            break;
        default: // painting the window as it stands
            kind = "paint";
            window.grab();
            break;
        }
        if (kind.empty())
            continue; // nothing of the kind on this window: draw again
        ++action;
        ++tally.actions[kind];
        testing_support::flushDeletes();

        for (shell::ShellWindow *shown : openWindows()) {
            const std::string bad = badResult(*shown);
            ASSERT_TRUE(bad.empty()) << "after " << kind << " (action " << action << ") "
                                     << shown->objectName().toStdString() << ": " << bad;
        }
        for (; seenMessages < messages().shown.size(); ++seenMessages) {
            ++tally.messages;
            const std::string bad = badMessage(messages().shown[seenMessages]);
            ASSERT_TRUE(bad.empty()) << "after " << kind << " (action " << action << "): " << bad;
        }
        if (messages().shown.size() > 1000) {
            messages().shown.clear();
            seenMessages = 0;
        }
    }

    // Every window of the program had its share.
    for (const shell::WindowInfo &info : shell::kCatalogue)
        EXPECT_GT(tally.windows[std::string(info.name)], 0) << info.name;
    EXPECT_GT(tally.designs, 200);
    EXPECT_GT(tally.applied, 20);
    std::cout << "monkey: seed " << kSeed << ", " << kActions << " actions:";
    for (const auto &[kind, count] : tally.actions)
        std::cout << " " << kind << " " << count;
    std::cout << "; " << tally.designs << " designs run, " << tally.applied << " applied, "
              << tally.messages << " messages, " << tally.ends
              << " program ends\nmonkey: actions per window:";
    for (const auto &[name, count] : tally.windows)
        std::cout << " " << name << " " << count;
    std::cout << "\n";
}

} // namespace

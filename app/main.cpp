#include "app/window_factories.h"
#include "core/number_text.h"
#include "shell/registry.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// The headless command is installed and built next to this program.
std::string g_calc = "foundations-calc";

void explainHeadless(const char *problem)
{
    std::fprintf(stderr,
                 "foundations: %s\n"
                 "The windows need a desktop session. To design without one, use the headless "
                 "command, for example:\n"
                 "    %s isolated --case 0 Text1=120\n"
                 "and see %s --help for every window and input.\n",
                 problem, g_calc.c_str(), g_calc.c_str());
}

// While the application object starts, a display that cannot be opened ends in a fatal
// message and an abort; say instead what happened and how to work without a display.
QtMessageHandler g_previousHandler = nullptr;

void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        g_previousHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const std::string problem =
        display.isEmpty()
            ? std::string("the display could not be opened.")
            : "the display " + core::quoteTyped(display.toStdString()) + " could not be opened.";
    explainHeadless(problem.c_str());
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("foundations %s\n", FOUNDATIONS_VERSION);
        return 0;
    }
    g_calc = (std::filesystem::path(argv[0]).parent_path() / "foundations-calc").string();

    const bool hasDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!hasDisplay) {
        explainHeadless("no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).");
        return 1;
    }

    g_previousHandler = qInstallMessageHandler(startupMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    QApplication::setApplicationName(QStringLiteral("Design Of Foundations"));
    QApplication::setOrganizationName(QStringLiteral("Foundations"));
    QApplication::setApplicationVersion(QStringLiteral(FOUNDATIONS_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Windows come and go in sequences; the shell decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    app::installWindowFactories();
    shell::showWindow(shell::WindowKind::Start);
    return QApplication::exec();
}

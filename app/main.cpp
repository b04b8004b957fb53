#include "app/shell.h"
#include "app/window_factories.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const bool hasDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!hasDisplay) {
        std::fprintf(stderr,
                     "foundations: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "The windows need a desktop session. To design without one, use the "
                     "headless command, for example:\n"
                     "    foundations-calc isolated --case 0 Text1=120\n"
                     "and see foundations-calc --help for every window and input.\n");
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Design Of Foundations"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Windows come and go in sequences; the shell decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    app::installWindowFactories();
    shell::showWindow(shell::WindowKind::Start);
    return QApplication::exec();
}

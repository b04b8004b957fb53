#include "app/window_factories.h"
#include "shell/registry.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char *argv[])
{
    const bool hasDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!hasDisplay) {
        // The headless command is built next to this program.
        const std::string calc =
            (std::filesystem::path(argv[0]).parent_path() / "foundations-calc").string();
        std::fprintf(stderr,
                     "foundations: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "The windows need a desktop session. To design without one, use the "
                     "headless command, for example:\n"
                     "    %s isolated --case 0 Text1=120\n"
                     "and see %s --help for every window and input.\n",
                     calc.c_str(), calc.c_str());
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

#include "app/project_windows.h"
#include "app/window_factories.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "tools/snapshots/snapshots.h"
#include "widgets/page_painter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

// Writes a PNG of every window, and of each case of the design windows, so anyone can look at
// what a user sees: foundations-snapshots [FOLDER] (default: ./snapshots).
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows keep no autosave in the user's own folder; the folder outlives the
    // application, whose session holds a lock in it.
    QTemporaryDir autosave;
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    shell::setQuitHandler([] {});
    app::installProjectWindows(autosave.path());
    app::installWindowFactories();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "foundations-snapshots: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    int failures = 0;
    for (const snapshots::Snapshot &snapshot : snapshots::all()) {
        shell::resetForTests();
        QWidget *widget = snapshot.stage();
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(snapshot.name + QStringLiteral(".png"));
        QImage image;
        if (auto *window = dynamic_cast<shell::ShellWindow *>(widget); window && snapshot.printed)
            image = ui::pageImage(window->form(), ui::defaultPageLayout(window->form().size()));
        else if (widget)
            image = widget->grab().toImage();
        if (image.isNull() || !image.save(file)) {
            std::fprintf(stderr, "foundations-snapshots: could not write %s\n", qPrintable(file));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    shell::resetForTests();
    return failures == 0 ? 0 : 1;
}

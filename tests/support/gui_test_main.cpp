#include "app/project_windows.h"
#include "app/window_factories.h"
#include "support/gui_test.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace testing_support {
void installFakes();
}

namespace {

// A Qt warning in a window test is a failure: a control name that is not in a table, a bad
// connection, a widget misused. Messages of the offscreen platform about what it cannot do
// (raise a window, say) are not about the program.
void failOnWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    ADD_FAILURE() << "Qt warning: " << message.toStdString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Set before the application object: CTest's listing run gets no test environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Settings the tests write stay out of the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Foundations"));
    QApplication::setApplicationName(QStringLiteral("Design Of Foundations"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    qInstallMessageHandler(failOnWarnings);
    testing_support::installFakes();
    app::installProjectWindows(testing_support::autosaveFolder());
    app::installWindowFactories();
    return RUN_ALL_TESTS();
}

#include "app/design_windows.h"
#include "app/headless.h"
#include "widgets/report_painter.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

// Qt's own notes about the session (no runtime folder, no display) are not for the users of a
// command whose stderr carries only its messages; its critical errors still are.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Qt's PDF writer needs a GUI application for its fonts: one is made, on the offscreen
    // platform, only when a PDF is asked for, and ends before main returns.
    std::unique_ptr<QGuiApplication> application;
    int qtArgc = 1;
    const auto answer = [&](auto write) {
        if (!application) {
            qInstallMessageHandler(quietMessages);
            qputenv("QT_QPA_PLATFORM", "offscreen");
            application = std::make_unique<QGuiApplication>(qtArgc, argv);
        }
        QString error;
        return write(&error) ? std::string() : error.toStdString();
    };
    const auto writePdf = [&](const report::Report &report, const std::string &path) {
        return answer([&](QString *error) {
            return ui::writeReportPdf(report, QString::fromLocal8Bit(path.c_str()), error);
        });
    };
    const auto writeProjectPdf = [&](const project::ProjectReport &project,
                                     const std::string &path) {
        return answer([&](QString *error) {
            return ui::writeProjectReportPdf(project, QString::fromLocal8Bit(path.c_str()), error);
        });
    };
    const int status =
        headless::run(args, app::designWindows(), std::cout, std::cerr, writePdf, writeProjectPdf);
    std::cout.flush();
    return status;
}

#pragma once

#include "report/report.h"
#include "shell/registry.h"
#include "widgets/seams.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace shell {
class DesignWindow;
}

namespace testing_support {

// Answers message boxes without showing them, and records them.
class FakeMessages : public ui::MessageSeam
{
public:
    struct Shown {
        QString kind; // "inform", "warn", "ask", "ask to save", "save", "open", "print dialog"
        QString title;
        QString text; // for "save": the file proposed
    };

    void inform(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &text) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    // Accepts with the printer writing a PDF to `printerFile`, or cancels when it is empty.
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;

    std::vector<Shown> shown;
    bool answer = false;                        // what ask() answers
    SaveAnswer saveAnswer = SaveAnswer::Cancel; // what askToSave() answers
    QString fileName;                           // what saveFileName() answers
    QString openName;                           // what openFileName() answers
    QString printerFile;                        // where the print dialog sends the page
};

// Records each printout: which window, and the image of the page; or which report.
class FakePrinter : public ui::PrintSeam
{
public:
    struct Page {
        QString window; // objectName of the printed window
        QString job;
        QImage image;
    };
    struct PrintedReport {
        QString window; // objectName of the window the print dialog would belong to
        QString job;
        report::Report report;
    };
    void print(QWidget &client, const QString &jobName) override;
    void printReport(QWidget *parent, const report::Report &report,
                     const QString &jobName) override;

    std::vector<Page> pages;
    std::vector<PrintedReport> reports;
};

// Where the window tests' sessions keep their autosave files.
QString autosaveFolder();

FakeMessages &messages();
FakePrinter &printer();
int quitCount();

// Base fixture of every window test: no windows, no messages, no printouts, footingCase 0.
class GuiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// Input, the way a user gives it.
void click(QWidget *widget, QPoint at = QPoint(-1, -1));
void typeInto(QLineEdit *edit, const QString &text);
void typeInto(QComboBox *list, const QString &text); // edits the text; picks nothing
void pick(QComboBox *list, int index);               // picks an entry, as a click in the list
// Lets Qt delete the windows that were closed.
void flushDeletes();

// A design window opened as a user opens it (through its case chooser, if it has one), not
// yet designed.
shell::DesignWindow *openDesignWindow(shell::WindowKind kind, int footingCase = 0);
// Makes a window the active one, so its shortcuts and keyboard focus work as for a user.
void activate(QWidget *window);
// The control of a form that has the keyboard focus (a list rather than its text field).
QWidget *focusedControl();

} // namespace testing_support

#include "support/gui_test.h"

#include "app/main_window.h"
#include "app/project_windows.h"
#include "shell/case_chooser.h"
#include "shell/shell_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace testing_support {

namespace {

FakeMessages g_messages;
FakePrinter g_printer;
int g_quits = 0;

} // namespace

void FakeMessages::inform(QWidget *, const QString &title, const QString &text)
{
    shown.push_back({QStringLiteral("inform"), title, text});
}

void FakeMessages::warn(QWidget *, const QString &title, const QString &text)
{
    shown.push_back({QStringLiteral("warn"), title, text});
}

bool FakeMessages::ask(QWidget *, const QString &title, const QString &text)
{
    shown.push_back({QStringLiteral("ask"), title, text});
    return answer;
}

ui::MessageSeam::SaveAnswer FakeMessages::askToSave(QWidget *, const QString &title,
                                                    const QString &text)
{
    shown.push_back({QStringLiteral("ask to save"), title, text});
    return saveAnswer;
}

QString FakeMessages::openFileName(QWidget *, const QString &title, const QString &folder,
                                   const QString &)
{
    shown.push_back({QStringLiteral("open"), title, folder});
    return openName;
}

QString FakeMessages::saveFileName(QWidget *, const QString &title, const QString &suggested,
                                   const QString &)
{
    shown.push_back({QStringLiteral("save"), title, suggested});
    return fileName;
}

bool FakeMessages::setUpPrinter(QWidget *, QPrinter &printer)
{
    shown.push_back({QStringLiteral("print dialog"), printer.docName(), {}});
    if (printerFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFile);
    return true;
}

void FakePrinter::print(QWidget &client, const QString &jobName)
{
    pages.push_back({client.window()->objectName(), jobName, client.grab().toImage()});
}

void FakePrinter::printReport(QWidget *parent, const report::Report &report, const QString &jobName)
{
    reports.push_back({parent ? parent->window()->objectName() : QString(), jobName, report});
}

FakeMessages &messages()
{
    return g_messages;
}

FakePrinter &printer()
{
    return g_printer;
}

int quitCount()
{
    return g_quits;
}

void installFakes()
{
    ui::setMessageSeam(&g_messages);
    ui::setPrintSeam(&g_printer);
    shell::setQuitHandler([] { ++g_quits; });
}

namespace {

// One folder per test program, so test programs running side by side never share it, and
// in it one per test.
QString g_autosaveFolder;

QString freshAutosaveFolder()
{
    static QTemporaryDir folder;
    static int tests = 0;
    g_autosaveFolder = QDir(folder.path()).filePath(QString::number(++tests));
    return g_autosaveFolder;
}

} // namespace

QString autosaveFolder()
{
    return g_autosaveFolder.isEmpty() ? freshAutosaveFolder() : g_autosaveFolder;
}

void GuiTest::SetUp()
{
    installFakes();
    shell::resetForTests();
    // A fresh project, nothing unsaved, and no autosave left by an earlier test.
    app::installProjectWindows(freshAutosaveFolder());
    app::resetCreditOffset();
    g_messages = FakeMessages{};
    g_printer = FakePrinter{};
    g_quits = 0;
}

void GuiTest::TearDown()
{
    shell::resetForTests();
    flushDeletes();
}

void click(QWidget *widget, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                      at == QPoint(-1, -1) ? widget->rect().center() : at);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

void typeInto(QComboBox *list, const QString &text)
{
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->lineEdit(), nullptr);
    list->lineEdit()->selectAll();
    list->lineEdit()->del();
    QTest::keyClicks(list->lineEdit(), text);
}

void pick(QComboBox *list, int index)
{
    ASSERT_NE(list, nullptr);
    ASSERT_LT(index, list->count());
    // What a click on an entry of the open list does.
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

shell::DesignWindow *openDesignWindow(shell::WindowKind kind, int footingCase)
{
    using shell::WindowKind;
    const WindowKind chooser = kind == WindowKind::Isolated ? WindowKind::IsolatedCases
                               : kind == WindowKind::Strip  ? WindowKind::StripCases
                                                            : kind;
    if (chooser == kind) {
        shell::openWindow(kind);
    } else {
        shell::openWindow(chooser);
        shell::instanceAs<shell::CaseChooser>(chooser)->chooseByCaption(footingCase);
    }
    return shell::instanceAs<shell::DesignWindow>(kind);
}

void activate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
}

QWidget *focusedControl()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
        return focus->parentWidget();
    return focus;
}

} // namespace testing_support

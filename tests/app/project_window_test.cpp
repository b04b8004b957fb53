// Projects in the windows: the File menu's project entries, Add to Project, design windows
// that edit a footing, the footing schedule, the question before unsaved work is dropped, and
// the autosave that brings typed texts back after a crash.
#include "app/main_window.h"
#include "app/project_properties.h"
#include "app/project_session.h"
#include "app/project_windows.h"
#include "app/schedule_window.h"
#include "project/schedule.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using namespace testing_support;
using shell::WindowKind;
using Answer = ui::MessageSeam::SaveAnswer;

const QString kBuilding = QStringLiteral(FOUNDATIONS_EXAMPLES "/building.fdn");

class ProjectWindowTest : public GuiTest
{
protected:
    app::ProjectSession &session() { return app::session(); }
    QString path(const QString &name) const { return QDir(m_folder.path()).filePath(name); }

    static QAction *entry(QWidget &window, const char *name)
    {
        auto *action = window.findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    static QString text(shell::ShellWindow &window, const char *control)
    {
        return ui::inputText(window.control(control));
    }
    static QString caption(shell::ShellWindow &window, const char *control)
    {
        return ui::captionOf(window.control(control));
    }
    // Opens the sample building through File → Open Project….
    app::ScheduleWindow &openBuilding()
    {
        shell::showWindow(WindowKind::MainWindow);
        messages().openName = kBuilding;
        entry(*shell::instance(WindowKind::MainWindow), "openProject")->trigger();
        EXPECT_NE(app::scheduleWindow(), nullptr);
        return *app::scheduleWindow();
    }

    QTemporaryDir m_folder;
};

TEST_F(ProjectWindowTest, EveryFileMenuHasTheProjectEntries)
{
    shell::showWindow(WindowKind::MainWindow);
    shell::DesignWindow *isolated = openDesignWindow(WindowKind::Isolated, 2);
    std::vector<QWidget *> windows{isolated, &app::showSchedule()};
    shell::showWindow(WindowKind::MainWindow);
    windows.push_back(shell::instance(WindowKind::MainWindow));
    for (QWidget *window : windows) {
        for (const char *name :
             {"newProject", "openProject", "saveProject", "saveProjectAs", "schedule"})
            EXPECT_NE(window->findChild<QAction *>(QString::fromLatin1(name)), nullptr)
                << window->objectName().toStdString() << " " << name;
        EXPECT_NE(window->findChild<QMenu *>(QStringLiteral("recentProjects")), nullptr);
    }
    EXPECT_NE(isolated->findChild<QAction *>(QStringLiteral("addToProject")), nullptr);
    // The designed entries keep their places: Exit is still the last entry of File.
    EXPECT_EQ(isolated->fileMenu()->actions().back(), isolated->menuAction("exit"));
    auto *main = shell::instanceAs<app::MainWindow>(WindowKind::MainWindow);
    EXPECT_EQ(main->menuAction("o")->text(), "&Open");
}

TEST_F(ProjectWindowTest, AddToProjectStoresTheWindowAsTheNextFootingAndItsTextsFollow)
{
    shell::DesignWindow *window = openDesignWindow(WindowKind::Isolated, 2);
    typeInto(window->find<QLineEdit>("Text1"), "150");
    entry(*window, "addToProject")->trigger();

    ASSERT_EQ(session().project().size(), 1u);
    const project::Footing &footing = session().project().footings()[0];
    EXPECT_EQ(footing.mark, "F1");
    EXPECT_EQ(footing.window, "isolated");
    EXPECT_EQ(footing.footingCase, 2);
    EXPECT_EQ(footing.texts, window->request().texts);
    EXPECT_EQ(app::footingOf(*window), "F1");
    EXPECT_EQ(window->windowTitle(), "Design Of Isolated Footing — F1[*]");
    EXPECT_TRUE(window->isWindowModified());

    // Every text typed afterwards is the footing's; a text the file cannot hold is not.
    typeInto(window->find<QLineEdit>("Text1"), "175");
    EXPECT_EQ(core::textOf(session().project().footings()[0].texts, "Text1"), "175");
    window->find<QLineEdit>("Text1")->setText("17x");
    EXPECT_EQ(core::textOf(session().project().footings()[0].texts, "Text1"), "175");

    // Added again: a copy under the next mark, which the window then edits.
    typeInto(window->find<QLineEdit>("Text1"), "80");
    entry(*window, "addToProject")->trigger();
    ASSERT_EQ(session().project().size(), 2u);
    EXPECT_EQ(session().project().footings()[1].mark, "F2");
    EXPECT_EQ(app::footingOf(*window), "F2");
}

TEST_F(ProjectWindowTest, SaveWritesTheProjectAndOpenBringsBackTheSameTextsAndRuns)
{
    for (auto [kind, footingCase] :
         {std::pair{WindowKind::Isolated, 3}, std::pair{WindowKind::Strip, 1},
          std::pair{WindowKind::Combined, 0}, std::pair{WindowKind::Strap, 0}}) {
        shell::DesignWindow *window = openDesignWindow(kind, footingCase);
        entry(*window, "addToProject")->trigger();
        shell::closeWindow(kind);
        flushDeletes();
    }
    const project::Project added = session().project();
    ASSERT_EQ(added.size(), 4u);

    shell::showWindow(WindowKind::MainWindow);
    auto &main = *shell::instance(WindowKind::MainWindow);
    EXPECT_EQ(main.windowTitle(), "Design Of Foundations — Untitled[*]");
    messages().fileName = path(QStringLiteral("site"));
    entry(main, "saveProject")->trigger(); // never saved: asks for the file
    EXPECT_EQ(messages().shown.back().kind, "save");
    EXPECT_EQ(session().filePath(), path(QStringLiteral("site.fdn")));
    EXPECT_FALSE(session().isModified());
    EXPECT_EQ(main.windowTitle(), "Design Of Foundations — site.fdn[*]");
    EXPECT_FALSE(main.isWindowModified());
    EXPECT_EQ(session().recentFiles().front(), path(QStringLiteral("site.fdn")));

    entry(main, "newProject")->trigger();
    EXPECT_EQ(session().project().size(), 0u);
    messages().openName = path(QStringLiteral("site.fdn"));
    entry(main, "openProject")->trigger();
    EXPECT_TRUE(session().project() == added);
    for (std::size_t i = 0; i < added.size(); ++i) {
        const project::ScheduleRow before = project::designFooting(added, i);
        const project::ScheduleRow after = project::designFooting(session().project(), i);
        EXPECT_EQ(project::scheduleCsv({&before, 1}), project::scheduleCsv({&after, 1}));
    }
}

TEST_F(ProjectWindowTest, AFileThatIsRefusedChangesNothingOpen)
{
    app::ScheduleWindow &schedule = openBuilding();
    const project::Project before = session().project();
    QFile bad(path(QStringLiteral("bad.fdn")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"foundations-project\", \"version\": 99, \"footings\": []}");
    bad.close();
    messages().openName = bad.fileName();
    entry(schedule, "openProject")->trigger();
    EXPECT_EQ(messages().shown.back().kind, "warn");
    EXPECT_NE(messages().shown.back().text.indexOf("version"), -1)
        << messages().shown.back().text.toStdString();
    EXPECT_TRUE(session().project() == before);
    EXPECT_EQ(session().filePath(), QFileInfo(kBuilding).absoluteFilePath());
}

TEST_F(ProjectWindowTest, TheScheduleListsEveryFootingColouredByItsVerdict)
{
    app::ScheduleWindow &schedule = openBuilding();
    app::ScheduleModel &model = *schedule.model();
    ASSERT_EQ(model.rowCount(), 8);
    EXPECT_EQ(model.columnCount(), int(project::scheduleColumns().size()));
    const std::vector<project::ScheduleRow> expected = project::designAll(session().project());
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const std::string text =
                project::scheduleColumns()[std::size_t(column)].text(expected[std::size_t(row)]);
            EXPECT_EQ(model.index(row, column).data().toString().toStdString(),
                      text.empty() ? "—" : text);
        }
    }
    EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xE2, 0xF0, 0xD9));
    EXPECT_EQ(schedule.statusText(), "8 footings: 8 pass, 0 fail, 0 refused");
    EXPECT_EQ(schedule.windowTitle(), "Footing Schedule — building.fdn[*]");

    // A footing that fails is coloured as one; a refused footing says why.
    ASSERT_FALSE(session().setFootingTexts("F1", {{"Text9", "0.5"}, {"Text3", "20"}}));
    EXPECT_EQ(model.row(0).verdict, project::Verdict::Fail);
    EXPECT_EQ(model.index(0, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0xF8, 0xD7, 0xDA));
    ASSERT_FALSE(session().setFootingTexts("F2", {{"Text4", "0"}}));
    EXPECT_EQ(model.row(1).verdict, project::Verdict::Refused);
    EXPECT_EQ(model.index(1, 0).data(Qt::ToolTipRole).toString(),
              "\"Cover\" must be greater than 0.");
    EXPECT_EQ(schedule.statusText(), "8 footings: 6 pass, 1 fail, 1 refused");
}

TEST_F(ProjectWindowTest, SortingByAColumnSortsMarksAsPeopleDoAndUtilisationByValue)
{
    app::ScheduleWindow &schedule = openBuilding();
    for (int i = 0; i < 9; ++i)
        ASSERT_FALSE(session().duplicateFooting(0)); // F9 … F17 after F1
    QSortFilterProxyModel &sorted = *schedule.sortModel();
    const auto column = [&](int c) {
        QStringList texts;
        for (int row = 0; row < sorted.rowCount(); ++row)
            texts << sorted.index(row, c).data().toString();
        return texts;
    };
    sorted.sort(0, Qt::AscendingOrder);
    const QStringList marks = column(0);
    EXPECT_EQ(marks.indexOf("F2") + 1, marks.indexOf("F3"));
    EXPECT_LT(marks.indexOf("F9"), marks.indexOf("F10"));
    EXPECT_LT(marks.indexOf("F17"), marks.indexOf("W1"));

    int utilisation = 0;
    while (project::scheduleColumns()[std::size_t(utilisation)].heading != "Utilisation")
        ++utilisation;
    ASSERT_FALSE(session().setFootingTexts("F2", {{"Text9", "0.5"}, {"Text3", "20"}}));
    sorted.sort(utilisation, Qt::DescendingOrder);
    EXPECT_EQ(sorted.index(0, 0).data().toString(), "F2");
    double previous = 1e9;
    for (int row = 0; row < sorted.rowCount(); ++row) {
        const double value =
            sorted.index(row, utilisation).data(app::ScheduleModel::SortRole).toDouble();
        EXPECT_LE(value, previous);
        previous = value;
    }
}

TEST_F(ProjectWindowTest, DuplicateRenameAndDeleteEditTheProject)
{
    app::ScheduleWindow &schedule = openBuilding();
    schedule.selectFooting(2);
    entry(schedule, "duplicate")->trigger();
    ASSERT_EQ(session().project().size(), 9u);
    EXPECT_EQ(session().project().footings()[3].mark, "F7");
    EXPECT_EQ(session().project().footings()[3].texts, session().project().footings()[2].texts);
    EXPECT_EQ(schedule.currentFooting(), 3);

    // A rename is an edit of the mark in place; a mark in use is refused with the reason.
    app::ScheduleModel &model = *schedule.model();
    EXPECT_TRUE(model.setData(model.index(3, 0), QStringLiteral("F3a"), Qt::EditRole));
    EXPECT_EQ(session().project().footings()[3].mark, "F3a");
    EXPECT_FALSE(model.setData(model.index(3, 0), QStringLiteral("w1"), Qt::EditRole));
    EXPECT_EQ(messages().shown.back().kind, "warn");
    EXPECT_NE(messages().shown.back().text.indexOf("already used"), -1);
    EXPECT_EQ(session().project().footings()[3].mark, "F3a");

    messages().answer = false;
    entry(schedule, "delete")->trigger();
    EXPECT_EQ(messages().shown.back().kind, "ask");
    EXPECT_EQ(session().project().size(), 9u);
    messages().answer = true;
    entry(schedule, "delete")->trigger();
    ASSERT_EQ(session().project().size(), 8u);
    EXPECT_EQ(session().indexOf("F3a"), -1);
    EXPECT_EQ(model.rowCount(), 8);
    EXPECT_TRUE(schedule.isWindowModified());

    // Design All designs every footing again, here at once (a small project).
    entry(schedule, "designAll")->trigger();
    EXPECT_EQ(schedule.batch(), nullptr);
    ASSERT_EQ(model.rowCount(), 8);
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_EQ(model.row(row).mark, session().project().footings()[std::size_t(row)].mark);
}

TEST_F(ProjectWindowTest, OpenShowsTheFootingInItsWindowPreparedForItsCaseAndDesigned)
{
    app::ScheduleWindow &schedule = openBuilding();
    const int f3 = session().indexOf("F3"); // isolated, case 2
    schedule.selectFooting(f3);
    entry(schedule, "open")->trigger();
    auto *window = shell::instanceAs<shell::DesignWindow>(WindowKind::Isolated);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->footingCase(), 2);
    EXPECT_EQ(window->request().texts, session().project().footings()[std::size_t(f3)].texts);
    EXPECT_TRUE(window->control("Text11")->isVisibleTo(window)); // case 2's assumed L1
    EXPECT_FALSE(caption(*window, "Label40").isEmpty());         // designed
    EXPECT_FALSE(window->resultsOutOfDate());
    EXPECT_EQ(app::footingOf(*window), "F3");

    // An edit in the window is the footing's, and its row is designed again.
    typeInto(window->find<QLineEdit>("Text1"), "400");
    EXPECT_EQ(core::textOf(session().project().footings()[std::size_t(f3)].texts, "Text1"), "400");
    EXPECT_EQ(schedule.model()->row(f3).load,
              project::designFooting(session().project(), std::size_t(f3)).load);

    // Renamed in the schedule, the footing keeps its window.
    ASSERT_FALSE(session().renameFooting(f3, "F3a"));
    EXPECT_EQ(app::footingOf(*window), "F3a");
    EXPECT_EQ(window->windowTitle(), "Design Of Isolated Footing — F3a[*]");

    // The strip wall of W1 comes with its wall type.
    schedule.selectFooting(session().indexOf("W2"));
    entry(schedule, "open")->trigger();
    auto *strip = shell::instanceAs<shell::DesignWindow>(WindowKind::Strip);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->request().texts,
              session().project().footings()[std::size_t(session().indexOf("W2"))].texts);
}

TEST_F(ProjectWindowTest, OpeningAFootingOverTypedTextsOfNoFootingAsksFirst)
{
    shell::DesignWindow *window = openDesignWindow(WindowKind::Isolated, 0);
    typeInto(window->find<QLineEdit>("Text1"), "333");
    app::ScheduleWindow &schedule = openBuilding();
    schedule.selectFooting(session().indexOf("F1"));

    messages().saveAnswer = Answer::Cancel;
    entry(schedule, "open")->trigger();
    EXPECT_EQ(messages().shown.back().kind, "ask to save");
    EXPECT_EQ(text(*shell::instance(WindowKind::Isolated), "Text1"), "333");

    messages().saveAnswer = Answer::Save; // kept as a new footing first
    entry(schedule, "open")->trigger();
    ASSERT_EQ(session().project().size(), 9u);
    EXPECT_EQ(core::textOf(session().project().footings().back().texts, "Text1"), "333");
    auto *opened = shell::instanceAs<shell::DesignWindow>(WindowKind::Isolated);
    EXPECT_EQ(app::footingOf(*opened), "F1");
    EXPECT_EQ(text(*opened, "Text1"), "120");
}

TEST_F(ProjectWindowTest, UnsavedChangesAreAskedAboutBeforeTheProgramEnds)
{
    openBuilding();
    shell::showWindow(WindowKind::MainWindow);
    auto &main = *shell::instance(WindowKind::MainWindow);
    EXPECT_FALSE(main.isWindowModified());
    ASSERT_FALSE(session().duplicateFooting(0));
    EXPECT_TRUE(main.isWindowModified());

    messages().saveAnswer = Answer::Cancel;
    entry(main, "e")->trigger(); // File → Exit
    EXPECT_EQ(messages().shown.back().kind, "ask to save");
    EXPECT_EQ(quitCount(), 0);
    EXPECT_TRUE(shell::isOpen(WindowKind::MainWindow));

    // Dropped: another project opens; saved: into the project's own file, then it ends.
    ASSERT_TRUE(QFile::copy(kBuilding, path(QStringLiteral("copy.fdn"))));
    messages().saveAnswer = Answer::Discard;
    ASSERT_TRUE(session().openFile(nullptr, path(QStringLiteral("copy.fdn"))));
    ASSERT_FALSE(session().duplicateFooting(0));
    messages().saveAnswer = Answer::Save;
    shell::showWindow(WindowKind::MainWindow);
    entry(*shell::instance(WindowKind::MainWindow), "e")->trigger();
    EXPECT_EQ(quitCount(), 1);
    project::Project saved(session().project().windows());
    ASSERT_FALSE(saved.open(path(QStringLiteral("copy.fdn")).toStdString()));
    EXPECT_EQ(saved.size(), 9u);
}

TEST_F(ProjectWindowTest, TheScheduleKeepsTheProgramRunningWhenTheLastOtherWindowCloses)
{
    app::ScheduleWindow &schedule = openBuilding();
    shell::closeWindow(WindowKind::MainWindow);
    EXPECT_EQ(shell::openWindowCount(), 0);
    EXPECT_EQ(quitCount(), 0);
    schedule.close(); // the last window: nothing unsaved, the program ends
    EXPECT_EQ(quitCount(), 1);
}

TEST_F(ProjectWindowTest, AutosaveBringsBackTheProjectAndTypedTextsAfterACrash)
{
    openBuilding();
    ASSERT_FALSE(session().duplicateFooting(0)); // an unsaved change: F9
    app::ScheduleWindow &schedule = *app::scheduleWindow();
    const auto &footings = session().project().footings();
    const auto combinedFooting = std::find_if(footings.begin(), footings.end(),
                                              [](const auto &f) { return f.window == "combined"; });
    ASSERT_NE(combinedFooting, footings.end());
    const std::string combinedMark = combinedFooting->mark;
    schedule.selectFooting(session().indexOf(combinedMark));
    entry(schedule, "open")->trigger();
    shell::DesignWindow *strip = openDesignWindow(WindowKind::Strip, 3);
    typeInto(strip->find<QLineEdit>("Text1"), "61.5"); // typed, in no footing
    auto *combined = shell::instanceAs<shell::DesignWindow>(WindowKind::Combined);
    ASSERT_NE(combined, nullptr);
    const core::FieldTexts stripTexts = strip->request().texts;
    const core::FieldTexts combinedTexts = combined->request().texts;
    const project::Project project = session().project();

    // Typing asks for an autosave soon; the timer's tick writes it.
    EXPECT_TRUE(session().autosaveTimer()->isActive());
    session().autosaveNow();
    ASSERT_TRUE(QFile::exists(session().autosaveFile()));

    // The process is killed: its autosave stays, its lock goes with the process.
    const QString kept = QDir(autosaveFolder()).filePath(QStringLiteral("session-999999.json"));
    ASSERT_TRUE(QFile::copy(session().autosaveFile(), kept));
    shell::resetForTests();
    flushDeletes();
    app::installProjectWindows(autosaveFolder());
    EXPECT_EQ(session().project().size(), 0u);

    messages().answer = true;
    ASSERT_TRUE(app::offerRecovery());
    EXPECT_EQ(messages().shown.back().kind, "ask");
    EXPECT_NE(messages().shown.back().text.indexOf("building.fdn"), -1);
    EXPECT_TRUE(session().project() == project);
    EXPECT_TRUE(session().isModified());
    EXPECT_EQ(session().filePath(), QFileInfo(kBuilding).absoluteFilePath());
    auto *restoredStrip = shell::instanceAs<shell::DesignWindow>(WindowKind::Strip);
    auto *restoredCombined = shell::instanceAs<shell::DesignWindow>(WindowKind::Combined);
    ASSERT_NE(restoredStrip, nullptr);
    ASSERT_NE(restoredCombined, nullptr);
    EXPECT_EQ(restoredStrip->footingCase(), 3);
    EXPECT_EQ(restoredStrip->request().texts, stripTexts);
    EXPECT_EQ(restoredCombined->request().texts, combinedTexts);
    EXPECT_EQ(app::footingOf(*restoredCombined), combinedMark);
    EXPECT_EQ(app::footingOf(*restoredStrip), "");
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_NE(app::scheduleWindow(), nullptr);
}

TEST_F(ProjectWindowTest, DeclinedRecoveryIsDroppedAndARunningSessionIsNeverOffered)
{
    shell::DesignWindow *window = openDesignWindow(WindowKind::Isolated, 1);
    typeInto(window->find<QLineEdit>("Text1"), "77");
    session().autosaveNow();
    // This session's own file is locked by the running session: never offered.
    EXPECT_TRUE(session().findRecoveries().empty());

    const QString kept = QDir(autosaveFolder()).filePath(QStringLiteral("session-999998.json"));
    ASSERT_TRUE(QFile::copy(session().autosaveFile(), kept));
    ASSERT_EQ(session().findRecoveries().size(), 1u);
    messages().answer = false;
    EXPECT_FALSE(app::offerRecovery());
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_TRUE(session().findRecoveries().empty());

    // A clean end leaves nothing behind.
    shell::endProgram();
    EXPECT_FALSE(QFile::exists(session().autosaveFile()));
}

TEST_F(ProjectWindowTest, ALargeProjectIsDesignedOnAWorkerThreadBehindAProgressDialog)
{
    project::Project large(session().project().windows());
    ASSERT_FALSE(large.open(kBuilding.toStdString()));
    while (large.size() <= std::size_t(app::ScheduleWindow::kBackgroundDesignFrom))
        ASSERT_FALSE(large.duplicate(large.size() - 1));
    ASSERT_FALSE(large.save(path(QStringLiteral("large.fdn")).toStdString()));

    app::ScheduleWindow &schedule = app::showSchedule();
    ASSERT_TRUE(session().openFile(&schedule, path(QStringLiteral("large.fdn"))));
    ASSERT_NE(schedule.batch(), nullptr);
    ASSERT_NE(schedule.progress(), nullptr);
    EXPECT_FALSE(schedule.action(QStringLiteral("designAll"))->isEnabled());
    EXPECT_EQ(schedule.model()->row(0).mark, "F1"); // the marks until the rows come
    schedule.batch()->wait();
    schedule.batchTick();
    EXPECT_EQ(schedule.batch(), nullptr);
    EXPECT_EQ(schedule.progress(), nullptr);
    ASSERT_EQ(schedule.model()->rowCount(), int(large.size()));
    const std::vector<project::ScheduleRow> expected = project::designAll(large);
    EXPECT_EQ(project::scheduleCsv(expected),
              project::scheduleCsv(std::vector<project::ScheduleRow>([&] {
                  std::vector<project::ScheduleRow> rows;
                  for (int i = 0; i < schedule.model()->rowCount(); ++i)
                      rows.push_back(schedule.model()->row(i));
                  return rows;
              }())));

    // Cancel stops the worker and leaves the marks; an edit during the batch designs again.
    entry(schedule, "designAll")->trigger();
    ASSERT_NE(schedule.progress(), nullptr);
    emit schedule.progress()->canceled(); // its Cancel button
    EXPECT_EQ(schedule.batch(), nullptr);
    EXPECT_NE(schedule.statusText().indexOf("cancelled"), -1);
    entry(schedule, "designAll")->trigger();
    ASSERT_FALSE(session().setFootingTexts("F1", {{"Text4", "0"}}));
    schedule.batch()->wait();
    schedule.batchTick(); // out of date: a second batch starts
    ASSERT_NE(schedule.batch(), nullptr);
    schedule.batch()->wait();
    schedule.batchTick();
    EXPECT_EQ(schedule.model()->row(0).verdict, project::Verdict::Refused);
}

TEST_F(ProjectWindowTest, ThePropertiesDialogEditsTheTitleBlock)
{
    app::ScheduleWindow &schedule = openBuilding();
    entry(schedule, "projectProperties")->trigger();
    auto *dialog = schedule.findChild<app::ProjectProperties *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameField()->text(), "Workshop and store, 12 Nile Street");
    dialog->designerField()->setText(QStringLiteral("S. Farouk"));
    dialog->accept();
    EXPECT_EQ(session().project().title().designer, "S. Farouk");
    EXPECT_EQ(session().project().title().date, "2025-03-14");
    EXPECT_TRUE(session().isModified());
}

TEST_F(ProjectWindowTest, ReportsAreHeadedWithTheProjectAndTheFootingsMark)
{
    app::ScheduleWindow &schedule = openBuilding();
    schedule.selectFooting(session().indexOf("F2"));
    entry(schedule, "open")->trigger();
    auto *window = shell::instanceAs<shell::DesignWindow>(WindowKind::Isolated);
    ASSERT_NE(window, nullptr);
    const report::TitleBlock title = window->reportTitle();
    EXPECT_EQ(title.project, "Workshop and store, 12 Nile Street");
    EXPECT_EQ(title.designer, "M. Hassan");
    EXPECT_EQ(title.date, "2025-03-14");
    EXPECT_EQ(title.mark, "F2");

    // The whole project as one PDF from the schedule.
    messages().fileName = path(QStringLiteral("building report.pdf"));
    entry(schedule, "projectReport")->trigger();
    QFile pdf(path(QStringLiteral("building report.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_NE(schedule.statusText().indexOf("8 footings"), -1);
    messages().fileName = path(QStringLiteral("no/such/folder/report.pdf"));
    entry(schedule, "projectReport")->trigger();
    EXPECT_EQ(messages().shown.back().kind, "warn");
}

TEST_F(ProjectWindowTest, RecentProjectsOpenFromTheMenu)
{
    app::ScheduleWindow &schedule = openBuilding();
    entry(schedule, "newProject")->trigger();
    auto *recent = schedule.findChild<QMenu *>(QStringLiteral("recentProjects"));
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().front()->text(), "&1 building.fdn");
    recent->actions().front()->trigger();
    EXPECT_EQ(session().project().size(), 8u);
}

} // namespace

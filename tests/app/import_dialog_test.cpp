// The import of support reactions in the windows: the table from a file or the clipboard, the
// columns found from their headings, the preview of the footings and of the rows that cannot
// be read, the user's consent before rows are skipped, and an import that adds every footing
// or none; the project's defaults that every imported footing starts from.
#include "app/import_dialog.h"
#include "app/project_properties.h"
#include "app/project_session.h"
#include "app/project_windows.h"
#include "app/schedule_window.h"
#include "project/schedule.h"
#include "support/gui_test.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

using namespace testing_support;

const QString kReactions = QStringLiteral(FOUNDATIONS_EXAMPLES "/reactions.csv");

QString readText(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

class ImportDialogTest : public GuiTest
{
protected:
    app::ProjectSession &session() { return app::session(); }
    app::ImportDialog &open()
    {
        app::ScheduleWindow &schedule = app::showSchedule();
        schedule.findChild<QAction *>(QStringLiteral("importReactions"))->trigger();
        auto *dialog = schedule.findChild<app::ImportDialog *>();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    static void choose(QComboBox *list, const QString &text)
    {
        const int index = list->findText(text, Qt::MatchStartsWith);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
    }
};

TEST_F(ImportDialogTest, TheSampleReactionsImportFromAFileAndDesignToTheGoldenSchedule)
{
    app::ImportDialog &dialog = open();
    EXPECT_FALSE(dialog.importButton()->isEnabled()); // no table yet
    messages().openName = kReactions;
    dialog.chooseFile();
    EXPECT_EQ(messages().shown.back().kind, "open");

    // The columns are found from the headings an analysis program writes.
    EXPECT_EQ(dialog.columnList("mark")->currentText(), "Joint");
    EXPECT_EQ(dialog.columnList("load")->currentText(), "F3");
    EXPECT_EQ(dialog.columnList("moment")->currentText(), "M2");
    EXPECT_EQ(dialog.columnList("sideT")->currentText(), "Depth");
    EXPECT_EQ(dialog.columnList("sideB")->currentText(), "Width");
    EXPECT_EQ(dialog.caseList()->currentData().toInt(), project::kDefaultMomentCase);
    choose(dialog.unitsList(), QStringLiteral("kN"));
    EXPECT_NE(dialog.summaryText().indexOf("9.81"), -1) << dialog.summaryText().toStdString();

    const std::size_t supports = dialog.preview().supports;
    EXPECT_EQ(dialog.preview().footings.size(), supports);
    EXPECT_EQ(dialog.previewView()->model()->rowCount(), int(supports));
    EXPECT_EQ(dialog.badRowList()->count(), 0);
    EXPECT_FALSE(dialog.skipBadRows()->isEnabled());
    // A preview changes nothing.
    EXPECT_EQ(session().project().size(), 0u);

    ASSERT_TRUE(dialog.importButton()->isEnabled());
    dialog.accept();
    ASSERT_EQ(session().project().size(), supports);
    EXPECT_TRUE(session().isModified());
    const std::string golden =
        readText(QStringLiteral(FOUNDATIONS_GOLDEN "/import_schedule.csv")).toStdString();
    EXPECT_EQ(project::scheduleCsv(project::designAll(session().project())), golden);

    // The schedule lists each footing with the support and the row it came from.
    app::ScheduleModel &model = *app::scheduleWindow()->model();
    ASSERT_EQ(model.rowCount(), int(supports));
    const auto columns = project::scheduleColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].heading == "Support") {
            EXPECT_EQ(model.index(0, int(c)).data().toString(), "A1");
        } else if (columns[c].heading == "Governing row") {
            EXPECT_EQ(model.index(0, int(c)).data().toString(), "line 2, largest P of 3 rows");
        }
    }
}

TEST_F(ImportDialogTest, BadRowsAreListedByLineAndSkippedOnlyWithConsent)
{
    app::ImportDialog &dialog = open();
    // Pasted from a spreadsheet that writes decimal commas: semicolons between the cells.
    QApplication::clipboard()->setText(QStringLiteral("Joint;P;M\r\n"
                                                      "A1;12,5;1\r\n"
                                                      ";5;0\r\n"
                                                      "B2;abc;1\r\n"
                                                      "C3;-3;0\r\n"
                                                      "D4;40;0\r\n"));
    dialog.pasteTable();
    ASSERT_EQ(dialog.preview().footings.size(), 2u);
    EXPECT_EQ(dialog.preview().footings[0].load, 12.5);
    EXPECT_EQ(dialog.preview().footings[0].footing.footingCase, project::kDefaultMomentCase);
    EXPECT_EQ(dialog.preview().footings[1].footing.footingCase, 0); // no moment
    ASSERT_EQ(dialog.badRowList()->count(), 3);
    EXPECT_TRUE(dialog.badRowList()->item(0)->text().startsWith("line 3: "));
    EXPECT_TRUE(dialog.badRowList()->item(1)->text().startsWith("line 4: "));
    EXPECT_TRUE(dialog.badRowList()->item(2)->text().startsWith("line 5: "));

    EXPECT_FALSE(dialog.importButton()->isEnabled());
    dialog.accept(); // Enter before the consent: nothing happens
    EXPECT_EQ(session().project().size(), 0u);
    ASSERT_TRUE(dialog.skipBadRows()->isEnabled());
    EXPECT_EQ(dialog.skipBadRows()->text(), "Import the other rows and skip the 3 rows listed");
    dialog.skipBadRows()->setChecked(true);
    ASSERT_TRUE(dialog.importButton()->isEnabled());
    dialog.accept();
    ASSERT_EQ(session().project().size(), 2u);
    EXPECT_EQ(session().project().footings()[1].mark, "D4");
}

TEST_F(ImportDialogTest, TheGoverningRowRuleAndTheCaseChangeThePreview)
{
    app::ImportDialog &dialog = open();
    dialog.setTable(readText(kReactions), kReactions);
    const std::size_t supports = dialog.preview().supports;
    choose(dialog.ruleList(), QStringLiteral("Every row"));
    EXPECT_EQ(dialog.preview().footings.size(), dialog.preview().rows);
    EXPECT_GT(dialog.preview().rows, supports);
    EXPECT_EQ(dialog.preview().footings[0].footing.mark, "A1-1");
    choose(dialog.ruleList(), QStringLiteral("The row with the largest M"));
    ASSERT_EQ(dialog.preview().footings.size(), supports);
    EXPECT_EQ(dialog.preview().footings[0].moment, 42); // line 3 of A1, with its own P
    EXPECT_EQ(dialog.preview().footings[0].load, 435);
    choose(dialog.caseList(), QStringLiteral("1 "));
    EXPECT_EQ(dialog.preview().footings[0].footing.footingCase, 1);

    // A column the map needs that the table does not have: nothing can be imported.
    dialog.setTable(QStringLiteral("Label,Weight\nA,1\n"), QStringLiteral("typed"));
    EXPECT_TRUE(dialog.preview().refusal.has_value());
    EXPECT_FALSE(dialog.importButton()->isEnabled());
}

TEST_F(ImportDialogTest, AnImportIsAllOrNothingWhenTheProjectChangedSinceThePreview)
{
    app::ImportDialog &dialog = open();
    dialog.setTable(QStringLiteral("Joint,P\nF1,50\nF2,60\n"), QStringLiteral("typed"));
    ASSERT_EQ(dialog.preview().footings.size(), 2u);
    // Meanwhile a footing takes the mark F2.
    ASSERT_FALSE(
        session().addFooting({"F2", "isolated", 0, session().project().defaultTexts("isolated")}));
    dialog.accept();
    EXPECT_EQ(messages().shown.back().kind, "warn");
    ASSERT_EQ(session().project().size(), 1u);
    EXPECT_TRUE(dialog.isVisible()); // the user can look again
}

TEST_F(ImportDialogTest, ImportedFootingsStartFromTheProjectsDefaults)
{
    app::ScheduleWindow &schedule = app::showSchedule();
    schedule.findChild<QAction *>(QStringLiteral("projectProperties"))->trigger();
    auto *properties = schedule.findChild<app::ProjectProperties *>();
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(properties->tabs()->count(), 5); // the title block and the four windows
    QLineEdit *fcu = properties->defaultField("isolated", "Text7");
    ASSERT_NE(fcu, nullptr);
    EXPECT_EQ(fcu->placeholderText(), "250"); // the window's own
    fcu->setText(QStringLiteral("300"));
    properties->defaultField("isolated", "Text4")->setText(QStringLiteral("7.5"));

    // A text that cannot be a default stores nothing, not even the good ones.
    properties->defaultField("strip", "Text1")->setText(QStringLiteral("heavy"));
    properties->accept();
    EXPECT_EQ(messages().shown.back().kind, "warn");
    EXPECT_TRUE(session().project().defaults().empty());
    properties->defaultField("strip", "Text1")->clear();
    properties->accept();
    ASSERT_EQ(session().project().defaults().size(), 1u);

    app::ImportDialog &dialog = open();
    dialog.setTable(QStringLiteral("Joint,P,M\nC1,80,5\n"), QStringLiteral("typed"));
    dialog.accept();
    ASSERT_EQ(session().project().size(), 1u);
    const core::FieldTexts &texts = session().project().footings()[0].texts;
    EXPECT_EQ(core::textOf(texts, "Text7"), "300");
    EXPECT_EQ(core::textOf(texts, "Text4"), "7.5");
    EXPECT_EQ(core::textOf(texts, "Text1"), "80");
    EXPECT_EQ(core::textOf(texts, "Text10"), "5");
}

} // namespace

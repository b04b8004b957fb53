#include "app/design_windows.h"
#include "project/reactions.h"
#include "project/schedule.h"
#include "project_support.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

using project::GoverningRule;
using project::ImportOptions;
using project::ImportPreview;
using project::LoadUnits;
using project::Project;
using project_test::expectAccepted;
using project_test::readText;

// The columns of the label, P and M; `sides` adds t and b.
ImportOptions options(LoadUnits units = LoadUnits::Tonnes,
                      GoverningRule rule = GoverningRule::LargestLoad, bool sides = false)
{
    ImportOptions o;
    o.columns = {"Joint", "P", "M", sides ? "t" : "", sides ? "b" : ""};
    o.units = units;
    o.rule = rule;
    return o;
}

ImportPreview preview(const std::string &text, const ImportOptions &o = options())
{
    return project::previewImport(text, o, Project(app::designWindows()));
}

std::string texts(const project::Footing &footing)
{
    std::string all;
    for (const char *control : {"Text1", "Text10", "Text5", "Text6"})
        all += std::string(all.empty() ? "" : " ") + control + "=" + footing.texts.at(control);
    return all;
}

// --- reading delimited text ---

struct TableCase {
    const char *name;
    std::string text;
    char separator;
    std::vector<std::string> headings;
    std::vector<std::pair<std::size_t, std::vector<std::string>>> rows; // line, cells
};

TEST(ReactionTable, ReadsWhatSpreadsheetsAndAnalysisProgramsWrite)
{
    const TableCase cases[] = {
        {"CommaLf",
         "Joint,P\nA1,10\nA2,20\n",
         ',',
         {"Joint", "P"},
         {{2, {"A1", "10"}}, {3, {"A2", "20"}}}},
        {"ByteOrderMarkCrlf",
         "\xEF\xBB\xBFJoint,P\r\nA1,10\r\n",
         ',',
         {"Joint", "P"},
         {{2, {"A1", "10"}}}},
        {"OldMacLineEnds",
         "Joint,P\rA1,10\rA2,20",
         ',',
         {"Joint", "P"},
         {{2, {"A1", "10"}}, {3, {"A2", "20"}}}},
        {"Semicolons",
         "Joint;P;M\nA1;10,5;-2\n",
         ';',
         {"Joint", "P", "M"},
         {{2, {"A1", "10,5", "-2"}}}},
        {"TabsPastedFromASpreadsheet",
         "Joint\tP (kN)\tM, kN.m\n A1 \t 10\t2\n",
         '\t',
         {"Joint", "P (kN)", "M, kN.m"},
         {{2, {"A1", "10", "2"}}}},
        {"QuotedSeparatorsQuotesAndLineBreaks",
         "\"Joint, label\",P\n\"A \"\"1\"\"\",10\n\"two\r\nlines\",20\nA3,30\n",
         ',',
         {"Joint, label", "P"},
         {{2, {"A \"1\"", "10"}}, {3, {"two\nlines", "20"}}, {5, {"A3", "30"}}}},
        {"BlankLinesAndEmptyRowsLeftOut",
         "\n\nJoint,P\n\n,\n  \nA1,10\n\n",
         ',',
         {"Joint", "P"},
         {{7, {"A1", "10"}}}},
        {"ATieGoesToTheTab", "a,b\tc;d\n", '\t', {"a,b", "c;d"}, {}},
        {"SeparatorsInQuotesDoNotCount", "\"a;b;c\",d\n", ',', {"a;b;c", "d"}, {}},
    };
    for (const TableCase &c : cases) {
        project::Table table;
        const auto problem = project::readTable(c.text, table);
        ASSERT_FALSE(problem) << c.name << ": " << *problem;
        EXPECT_EQ(table.separator, c.separator) << c.name;
        EXPECT_EQ(table.headings, c.headings) << c.name;
        ASSERT_EQ(table.rows.size(), c.rows.size()) << c.name;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(table.rows[i].line, c.rows[i].first) << c.name << " row " << i;
            EXPECT_EQ(table.rows[i].cells, c.rows[i].second) << c.name << " row " << i;
        }
    }
}

TEST(ReactionTable, RefusesTextWithoutAHeadingAndAQuoteNeverClosed)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "no heading row"},
        {"\xEF\xBB\xBF\r\n \r\n", "no heading row"},
        {"Joint,P\nA1,10\n\"A2,20\nA3,30\n", "the quote opened on line 3 is never closed"},
    };
    for (const auto &[text, says] : cases) {
        project::Table table;
        const auto problem = project::readTable(text, table);
        ASSERT_TRUE(problem) << text;
        EXPECT_NE(problem->find(says), std::string::npos) << *problem;
    }
}

TEST(ReactionTable, ColumnMaps)
{
    project::ReactionColumns columns;
    ASSERT_FALSE(project::readColumnMap(" mark = Joint , p=F3,M=M2,t=Depth,B=Width ", columns));
    EXPECT_EQ(columns.mark, "Joint");
    EXPECT_EQ(columns.load, "F3");
    EXPECT_EQ(columns.moment, "M2");
    EXPECT_EQ(columns.sideT, "Depth");
    EXPECT_EQ(columns.sideB, "Width");

    const std::pair<const char *, const char *> refused[] = {
        {"P=F3", "support labels and that of P"},
        {"mark=Joint", "support labels and that of P"},
        {"mark=Joint,P=F3,P=F1", "twice"},
        {"mark=Joint,P=F3,N=F1", "no key \"N\""},
        {"mark=Joint,P", "KEY=HEADING"},
        {"mark=Joint,P=", "no heading for \"P\""},
        {"", "support labels"},
    };
    for (const auto &[text, says] : refused) {
        project::ReactionColumns unchanged = columns;
        const auto problem = project::readColumnMap(text, unchanged);
        ASSERT_TRUE(problem) << text;
        EXPECT_NE(problem->find(says), std::string::npos) << *problem;
        EXPECT_EQ(unchanged.load, "F3") << text;
    }
}

// --- turning reactions into footings ---

TEST(ReactionImport, KilonewtonsAreConvertedWithGAndRoundedToThreeDecimals)
{
    const ImportPreview p = preview("Joint,P,M,t,b\n"
                                    "A1,1000,50,45,55.55\n"
                                    "A2,981,-9.81,,\n"
                                    "A3,1,0.0004,30,30\n",
                                    options(LoadUnits::Kilonewtons, {}, true));
    ASSERT_FALSE(p.refusal) << *p.refusal;
    ASSERT_TRUE(p.badRows.empty()) << p.badRows.front().text();
    ASSERT_EQ(p.footings.size(), 3u);
    // 1000 / 9.81 = 101.9367992, 50 / 9.81 = 5.0968399; sides in cm to a millimetre.
    EXPECT_EQ(texts(p.footings[0].footing), "Text1=101.937 Text10=5.097 Text5=45 Text6=55.6");
    EXPECT_DOUBLE_EQ(p.footings[0].load, 101.937);
    EXPECT_EQ(p.footings[0].footing.footingCase, project::kDefaultMomentCase);
    // 981 kN is 100 t; a negative moment is written as its size in the centred case 3; an empty
    // side keeps the window's default.
    const auto defaults = core::defaultRequest(*app::designWindows()[0]).texts;
    EXPECT_EQ(texts(p.footings[1].footing), "Text1=100 Text10=1 Text5=" + defaults.at("Text5") +
                                                " Text6=" + defaults.at("Text6"));
    // 1 kN is 0.102 t; a moment that rounds to nothing is no moment: case 0.
    EXPECT_EQ(texts(p.footings[2].footing), "Text1=0.102 Text10=0 Text5=30 Text6=30");
    EXPECT_EQ(p.footings[2].footing.footingCase, 0);
    EXPECT_NE(p.summary.find("converted to t and t.m with g = 9.81"), std::string::npos)
        << p.summary;
    EXPECT_NE(p.summary.find("rounded to 3 decimals"), std::string::npos) << p.summary;

    const ImportPreview tonnes = preview("Joint,P,M\nA1,101.93679,-5.0004\n");
    EXPECT_EQ(tonnes.footings.at(0).footing.texts.at("Text1"), "101.937");
    EXPECT_NE(tonnes.summary.find("loads in t and t.m,"), std::string::npos) << tonnes.summary;
}

TEST(ReactionImport, TheCaseFollowsTheMomentAndTheCallersPick)
{
    struct Case {
        std::string columns; // the moment column's heading, or none
        std::string moment;
        std::optional<int> pick;
        int footingCase;
        std::string text; // of M
    };
    const Case cases[] = {
        {"M", "-5", std::nullopt, 3, "5"}, {"M", "5", 1, 1, "5"}, {"M", "-5", 1, 1, "5"},
        {"M", "-5", 2, 2, "-5"},           {"M", "0", 2, 0, "0"}, {"M", "-5", 0, 0, "-5"},
        {"", "-5", std::nullopt, 0, "0"},
    };
    for (const Case &c : cases) {
        ImportOptions o = options();
        o.columns = {"Joint", "P", c.columns};
        o.momentCase = c.pick;
        const ImportPreview p = preview("Joint,P,M\nA1,100," + c.moment + "\n", o);
        ASSERT_EQ(p.footings.size(), 1u) << c.moment;
        EXPECT_EQ(p.footings[0].footing.footingCase, c.footingCase) << c.moment;
        EXPECT_EQ(p.footings[0].footing.texts.at("Text10"), c.text) << c.moment;
    }
    ImportOptions o = options();
    o.momentCase = 4;
    EXPECT_NE(preview("Joint,P\nA1,1\n", o).refusal.value_or("").find("0 to 3, not 4"),
              std::string::npos);
}

TEST(ReactionImport, TheGoverningRowOfEachSupport)
{
    // A1 has three combinations, A2 one; B1's two have equal |M|.
    const std::string table = "Joint,P,M\n"
                              "A1,100,5\n"  // line 2
                              "A1,120,2\n"  // line 3
                              "A2,50,0\n"   // line 4
                              "A1,90,-8\n"  // line 5
                              "B1,60,4\n"   // line 6
                              "B1,70,-4\n"; // line 7
    struct Expected {
        GoverningRule rule;
        std::vector<std::string> footings; // mark, support, P, M, line, why
    };
    const Expected cases[] = {
        {GoverningRule::LargestLoad,
         {"A1 A1 120 2 3 largest P of 3 rows", "A2 A2 50 0 4 the only row",
          "B1 B1 70 4 7 largest P of 2 rows"}},
        {GoverningRule::LargestMoment,
         {"A1 A1 90 8 5 largest |M| of 3 rows", "A2 A2 50 0 4 the only row",
          "B1 B1 70 4 7 largest |M| of 2 rows"}},
        {GoverningRule::EachRow,
         {"A1-1 A1 100 5 2 row 1 of 3", "A1-2 A1 120 2 3 row 2 of 3", "A1-3 A1 90 8 5 row 3 of 3",
          "A2-1 A2 50 0 4 row 1 of 1", "B1-1 B1 60 4 6 row 1 of 2", "B1-2 B1 70 4 7 row 2 of 2"}},
    };
    for (const Expected &c : cases) {
        const ImportPreview p = preview(table, options(LoadUnits::Tonnes, c.rule));
        std::vector<std::string> got;
        for (const project::ImportedFooting &f : p.footings)
            got.push_back(f.footing.mark + " " + f.footing.source->support + " " +
                          f.footing.texts.at("Text1") + " " + f.footing.texts.at("Text10") + " " +
                          std::to_string(f.footing.source->line) + " " + f.footing.source->row);
        EXPECT_EQ(got, c.footings) << project::ruleName(c.rule);
        EXPECT_EQ(project::ruleNamed(project::ruleName(c.rule)), c.rule);
        EXPECT_EQ(p.supports, 3u);
    }
    EXPECT_FALSE(project::ruleNamed("max-p"));
}

TEST(ReactionImport, EveryBadRowIsListedWithItsLine)
{
    Project target(app::designWindows());
    expectAccepted(target.add("isolated"));
    expectAccepted(target.rename(0, "C9"));
    const std::string table = "Joint,P,M,t,b\n"
                              "A1,100,5,40,40\n"      // 2 good
                              "A2,100\n"              // 3 too few cells
                              ",100,5,40,40\n"        // 4 no label
                              "A3,1OO,5,40,40\n"      // 5 P not a number
                              "A4,100,abc,40,40\n"    // 6 M not a number
                              "A5,-100,5,40,40\n"     // 7 negative load
                              "A6,,5,40,40\n"         // 8 empty P
                              "A7,100,5,-40,40\n"     // 9 negative side
                              "a1,100,5,40,40\n"      // 10 differs from A1 by case only
                              "A 1,100,5,40,40\n"     // 11 differs from A1 by a blank only
                              "c9,100,5,40,40\n"      // 12 the mark is used in the project
                              "A8,1e999,5,40,40\n"    // 13 too large
                              "A9,2e7,5,40,40\n"      // 14 too large for a load
                              "\"A\x01\",1,5,40,40\n" // 15 a control character
                              "A1,110,5,40,40\n"      // 16 good: a second combination of A1
                              "A10,100,5,0.04,40\n";  // 17 a side that is no millimetre
    const std::pair<std::size_t, const char *> expected[] = {
        {3, "has 2 cells, too few to reach column 5 (\"b\")"},
        {4, "no support label (column \"Joint\" is empty)"},
        {5, "the P cell \"1OO\" (column \"P\") is not a number"},
        {6, "the M cell \"abc\" (column \"M\") is not a number"},
        {7, "the P cell \"-100\" is negative"},
        {8, "the P cell (column \"P\") is empty"},
        {9, "the column side t \"-40\" (column \"t\") must be a size greater than 0"},
        {10, "the support \"a1\" differs from \"A1\" (line 2) only by the case"},
        {11, "the support \"A 1\" differs from \"A1\" (line 2)"},
        {12, "the mark \"c9\" is already used by footing 1 (\"C9\") of the project"},
        {13, "the P cell \"1e999\" (column \"P\") is too large"},
        {14, "the P cell \"2e7\" (column \"P\") is too large to be a load"},
        {15, "the support label \"A\\x01\" holds a control character"},
        {17, "the column side t \"0.04\" (column \"t\") must be a size greater than 0"},
    };
    const ImportPreview p = project::previewImport(
        table, options(LoadUnits::Tonnes, GoverningRule::LargestLoad, true), target);
    ASSERT_FALSE(p.refusal) << *p.refusal;
    ASSERT_EQ(p.badRows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(p.badRows[i].line, expected[i].first);
        EXPECT_NE(p.badRows[i].reason.find(expected[i].second), std::string::npos)
            << p.badRows[i].text();
        EXPECT_EQ(p.badRows[i].text().rfind("line " + std::to_string(expected[i].first) + ": ", 0),
                  0u);
        EXPECT_EQ(p.badRows[i].text().find('\n'), std::string::npos);
    }
    ASSERT_EQ(p.footings.size(), 1u);
    EXPECT_EQ(p.footings[0].footing.source->line, 16u);

    // Refused whole unless the bad rows are to be skipped.
    Project refused = target;
    const auto problem = project::applyImport(p, refused, false);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("14 bad rows (lines 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, …)"),
              std::string::npos)
        << problem->message;
    EXPECT_EQ(refused, target);
    expectAccepted(project::applyImport(p, refused, true));
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused.footings()[1].mark, "A1");
}

TEST(ReactionImport, ATableThatCannotBeImportedIsRefusedWhole)
{
    const std::pair<std::string, const char *> cases[] = {
        {"Joint,F3,M2\nA1,1,2\n",
         "the column \"P\" named for P is not among the headings of line 1: \"Joint\", \"F3\", "
         "\"M2\""},
        {"Joint,P,p\nA1,1,2\n", "the heading \"P\" named for P heads columns 2 and 3"},
        {"Joint,P,M,t,b\n", "no rows under its heading"},
        {"", "no heading row"},
    };
    for (const auto &[text, says] : cases) {
        const ImportPreview p = preview(text);
        ASSERT_TRUE(p.refusal) << text;
        EXPECT_NE(p.refusal->find(says), std::string::npos) << *p.refusal;
        Project target(app::designWindows());
        const auto problem = project::applyImport(p, target, true);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->message.find('\n'), std::string::npos);
        EXPECT_EQ(target.size(), 0u);
    }
    ImportOptions same = options();
    same.columns.moment = "p";
    EXPECT_NE(preview("Joint,P\nA1,1\n", same).refusal.value_or("").find("P and M name the same"),
              std::string::npos);
}

TEST(ReactionImport, SemicolonTablesMayUseADecimalComma)
{
    const ImportPreview p = preview("Joint;P;M\nA1;12,5;-0,75\nA2;1.234,5;1\n");
    ASSERT_EQ(p.footings.size(), 1u);
    EXPECT_EQ(p.footings[0].footing.texts.at("Text1"), "12.5");
    EXPECT_EQ(p.footings[0].footing.texts.at("Text10"), "0.75");
    ASSERT_EQ(p.badRows.size(), 1u);
    EXPECT_EQ(p.badRows[0].line, 3u);
    // A comma-separated table has no decimal commas: "12,5" is two cells.
    EXPECT_EQ(preview("Joint,P,M\n\"A1\",\"12,5\",1\n").badRows.at(0).line, 2u);
}

TEST(ReactionImport, AllOrNothing)
{
    ImportOptions o = options();
    o.columns.moment.clear();
    const std::string table = "Joint,P\nA1,10\nA2,20\nA3,30\n";
    Project target(app::designWindows());
    const ImportPreview p = project::previewImport(table, o, target);
    ASSERT_EQ(p.footings.size(), 3u);
    // The project changed after the preview: A2 came in. Applying adds none of the three.
    expectAccepted(target.add("isolated"));
    expectAccepted(target.rename(0, "a2"));
    const Project before = target;
    const auto problem = project::applyImport(p, target, true);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("already used"), std::string::npos) << problem->message;
    EXPECT_EQ(target, before);

    // Every row bad and skipped: nothing to import.
    o.skipBadRows = true;
    Project empty(app::designWindows());
    const auto none = project::importReactions("Joint,P\nA1,x\n", o, empty);
    ASSERT_TRUE(none);
    EXPECT_NE(none->message.find("every row is bad"), std::string::npos) << none->message;
    EXPECT_EQ(empty.size(), 0u);
}

// Imported footings are isolated footings at the project's defaults, with the support's loads
// in the window's fields of P, M, t and b.
TEST(ReactionImport, FootingsTakeTheProjectsDefaultsAndTheWindowsFields)
{
    Project target(app::designWindows());
    expectAccepted(target.setDefaults("isolated", {{"Text4", "7.5"}, {"Text9", "2"}}));
    ImportPreview p;
    ImportOptions o = options(LoadUnits::Tonnes, GoverningRule::LargestMoment, true);
    expectAccepted(
        project::importReactions("Joint,P,M,t,b\nA1,123.456,7.5,45,55\n", o, target, &p));
    ASSERT_EQ(target.size(), 1u);
    const project::Footing &footing = target.footings()[0];
    EXPECT_EQ(footing.window, "isolated");
    core::FieldTexts expected = target.defaultTexts("isolated", footing.footingCase);
    expected["Text1"] = "123.456";
    expected["Text10"] = "7.5";
    expected["Text5"] = "45";
    expected["Text6"] = "55";
    EXPECT_EQ(footing.texts, expected);
    EXPECT_EQ(footing.texts.at("Text4"), "7.5");
    const core::DesignWindowInfo &window = target.windowOf(footing);
    EXPECT_EQ(core::captionOf(window, "Text1"), "P (ton)");
    EXPECT_EQ(core::captionOf(window, "Text10"), "M (t.m)");
    EXPECT_EQ(core::captionOf(window, "Text5"), "t (cm)");
    EXPECT_EQ(core::captionOf(window, "Text6"), "b (cm)");
    EXPECT_EQ(window.caseNames[static_cast<std::size_t>(project::kDefaultMomentCase)],
              "Non Uniform");
    EXPECT_EQ(footing.source, (project::ReactionSource{"A1", 2, "the only row"}));
    EXPECT_NE(p.summary.find("1 with a moment in case 3 \"Non Uniform\""), std::string::npos)
        << p.summary;
    EXPECT_TRUE(target.windowOf(footing).design(target.request(0)).accepted());
}

// --- random tables ---

std::string randomLabel(std::mt19937 &random, std::size_t support)
{
    static const char *const kPieces[] = {"A", "B", "Ф", "é", "-", "/", "\"", ",", ";", "C"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    // Unique by the number at its end, whatever the pieces before it.
    return std::string(kPieces[piece(random)]) + kPieces[piece(random)] + "#" +
           std::to_string(support);
}

std::string cell(const std::string &text, char separator, std::mt19937 &random)
{
    const bool quote = text.find_first_of(std::string("\"\n") + separator) != std::string::npos ||
                       random() % 4 == 0;
    if (!quote)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Whatever valid table an analysis writes (any separator, quoting, line ends, byte-order mark,
// units and rule), it imports to a project that saves and reopens as it was, one footing per
// support (per row with EachRow), with a moment's footing in the moment case.
TEST(ReactionImport, RandomValidTablesImportToProjectsThatSaveAndReopenAsTheyWere)
{
    std::mt19937 random(20250601);
    project_test::TempFolder folder;
    for (int round = 0; round < 60; ++round) {
        const char separator = ",;\t"[random() % 3];
        const std::string lineEnd = std::vector<std::string>{"\n", "\r\n", "\r"}[random() % 3];
        const auto units = random() % 2 ? LoadUnits::Kilonewtons : LoadUnits::Tonnes;
        const auto rule = static_cast<GoverningRule>(random() % 3);
        const std::size_t supports = 1 + random() % 15;
        std::uniform_real_distribution<double> load(10, 20000), moment(-500, 500), side(20, 120);
        std::vector<std::string> headings{"Joint", "Case", "F3 kN", "M2", "t", "b"};
        std::string text = random() % 2 ? "\xEF\xBB\xBF" : "";
        for (std::size_t i = 0; i < headings.size(); ++i)
            text += (i ? std::string(1, separator) : "") + cell(headings[i], separator, random);
        text += lineEnd;
        std::size_t rows = 0;
        for (std::size_t s = 0; s < supports; ++s) {
            const std::string label = randomLabel(random, s);
            const std::size_t combinations = 1 + random() % 4;
            for (std::size_t k = 0; k < combinations; ++k, ++rows) {
                std::ostringstream line;
                const auto number = [&](double value) {
                    std::ostringstream n;
                    n.precision(random() % 10 + 3);
                    n << value;
                    std::string written = n.str();
                    if (separator == ';')
                        std::replace(written.begin(), written.end(), '.', ',');
                    return written;
                };
                const bool noMoment = s % 5 == 0;
                line << cell(label, separator, random) << separator << "ULS" << k << separator
                     << number(load(random)) << separator
                     << (noMoment ? "0" : number(moment(random))) << separator
                     << number(side(random)) << separator
                     << (random() % 3 ? number(side(random)) : "");
                text += line.str() + lineEnd;
                if (random() % 5 == 0)
                    text += lineEnd; // a blank line
            }
        }
        ImportOptions o;
        o.columns = {"joint", "f3 KN", "M2", "t", "b"};
        o.units = units;
        o.rule = rule;
        Project building(app::designWindows());
        expectAccepted(building.setTitle({"Random " + std::to_string(round), "", "", ""}));
        ImportPreview p;
        const auto problem = project::importReactions(text, o, building, &p);
        ASSERT_FALSE(problem) << "round " << round << ": " << problem->message << "\n"
                              << (p.badRows.empty() ? "" : p.badRows.front().text()) << "\n"
                              << text;
        ASSERT_EQ(building.size(), rule == GoverningRule::EachRow ? rows : supports);
        for (const project::ImportedFooting &imported : p.footings) {
            EXPECT_EQ(imported.footing.footingCase,
                      imported.moment == 0 ? 0 : project::kDefaultMomentCase);
            EXPECT_EQ(imported.footing.texts.at("Text1").find('E'), std::string::npos);
        }
        const auto file = folder.path("random.fdn");
        ASSERT_FALSE(building.save(file));
        Project reopened(app::designWindows());
        ASSERT_FALSE(reopened.open(file));
        ASSERT_EQ(reopened, building) << "round " << round;
        EXPECT_EQ(reopened.toJson(), readText(file));
    }
}

// --- the sample building ---

// The sample's reactions, imported with the default rule and designed: the schedule is pinned
// in the golden file, so any change of the import, the design or the schedule shows.
TEST(ReactionImport, TheSampleReactionsDesignToTheGoldenSchedule)
{
    ImportOptions o;
    ASSERT_FALSE(project::readColumnMap("mark=Joint,P=F3,M=M2,t=Depth,b=Width", o.columns));
    o.units = LoadUnits::Kilonewtons;
    Project building(app::designWindows());
    ImportPreview p;
    const auto problem =
        project::importReactions(readText(FOUNDATIONS_EXAMPLES "/reactions.csv"), o, building, &p);
    ASSERT_FALSE(problem) << problem->message;
    EXPECT_TRUE(p.badRows.empty());
    EXPECT_EQ(building.size(), 16u);
    const std::string schedule = project::scheduleCsv(project::designAll(building));
    EXPECT_EQ(schedule, readText(FOUNDATIONS_GOLDEN "/import_schedule.csv"));
}

} // namespace

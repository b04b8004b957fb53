// The designed look with the stand-in face: flat button colours, auto-sized captions in
// their designed boxes, column heads clear of the table rules, bar notes clear of each other.

#include "combined/combined_windows.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

using shell::WindowKind;
using testing_support::GuiTest;

class LayoutTest : public GuiTest
{
};

// Where a label's text lies in its parent: its advance, placed by the label's alignment.
QRect textBox(const QLabel &label)
{
    const QFontMetrics metrics(label.font());
    const int width = metrics.horizontalAdvance(label.text());
    int left = label.x();
    if (label.alignment() & Qt::AlignHCenter)
        left += (label.width() - width) / 2;
    else if (label.alignment() & Qt::AlignRight)
        left += label.width() - width;
    return {left, label.y(), width, metrics.height()};
}

TEST_F(LayoutTest, EveryButtonWithADesignedColourIsPaintedFlatInThatColour)
{
    int buttons = 0;
    for (const shell::WindowInfo &info : shell::kCatalogue) {
        shell::ShellWindow &window = shell::ensureInstance(info.kind);
        window.show();
        for (const core::Control &row : window.form().table()) {
            if (row.kind != core::Kind::Button || !row.back.isSet)
                continue;
            auto *button = window.find<QPushButton>(row.name);
            const QImage image = button->grab().toImage();
            const QColor designed = ui::toQColor(row.back.rgb);
            // Inside the border, beside the text, at both ends and mid-height.
            for (const QPoint at :
                 {QPoint(3, image.height() / 2), QPoint(image.width() - 4, image.height() / 2),
                  QPoint(image.width() / 2, 3), QPoint(image.width() / 2, image.height() - 4)})
                EXPECT_EQ(image.pixelColor(at), designed)
                    << info.name << " " << row.name << " at " << at.x() << "," << at.y();
            ++buttons;
        }
    }
    EXPECT_GT(buttons, 30);
}

TEST_F(LayoutTest, MainHeadingKeepsItsSizeAndStaysOverItsUnderline)
{
    shell::showWindow(WindowKind::MainWindow);
    shell::ShellWindow *window = shell::instance(WindowKind::MainWindow);
    QWidget *heading = window->control("Label1");
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 18.0);
    // The dashed underline spans the designed text: the heading stays above it.
    EXPECT_GE(heading->x(), core::px(2280));
    EXPECT_LE(heading->x() + heading->width(), core::px(5400));
    EXPECT_GE(textBox(*qobject_cast<QLabel *>(heading)).left(), core::px(2280));
}

// Every auto-sized caption of every window that has a designed text and box stays in that
// box, placed by its alignment.
TEST_F(LayoutTest, AutoSizedCaptionsStayInTheBoxTheyWereDesignedIn)
{
    int captions = 0;
    for (const shell::WindowInfo &info : shell::kCatalogue) {
        shell::ShellWindow &window = shell::ensureInstance(info.kind);
        for (const core::Control &row : window.form().table()) {
            if (row.kind != core::Kind::Label || !row.autoSize || row.width <= 0 ||
                row.text.empty())
                continue;
            QWidget *label = window.control(row.name);
            const int offset =
                qobject_cast<ui::PictureBox *>(label->parentWidget())
                    ? qobject_cast<ui::PictureBox *>(label->parentWidget())->contentOffset()
                    : 0;
            const int left = core::px(row.left) + offset;
            const int right = left + core::px(row.width);
            EXPECT_GE(label->x(), left - 1) << info.name << " " << row.name;
            EXPECT_LE(label->x() + label->width(), right + 1) << info.name << " " << row.name;
            if (row.align == core::Align::Centre) {
                EXPECT_NEAR(label->x() + label->width() / 2.0, (left + right) / 2.0, 1.0)
                    << info.name << " " << row.name;
            }
            ++captions;
        }
    }
    EXPECT_GE(captions, 2);
}

// No table rule runs through a caption of the strap footing's results.
TEST_F(LayoutTest, StrapResultCaptionsAreClearOfTheTableRules)
{
    shell::openWindow(WindowKind::Strap);
    shell::ShellWindow *window = shell::instance(WindowKind::Strap);
    window->runDesign();
    int heads = 0;
    for (const char *frameName : {"Frame5", "Frame6"}) {
        QWidget *frame = window->control(frameName);
        for (const core::Control &rule : window->form().table()) {
            if (rule.kind != core::Kind::Line || rule.parent != frameName ||
                rule.left != rule.width)
                continue; // vertical rules of this frame only
            const double x = rule.left / double(core::kTwipsPerPixel);
            const double top = std::min(rule.top, rule.height) / double(core::kTwipsPerPixel);
            const double bottom = std::max(rule.top, rule.height) / double(core::kTwipsPerPixel);
            for (QLabel *label :
                 frame->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (label->isHidden() || label->text().isEmpty())
                    continue;
                const QRect text = textBox(*label);
                if (text.bottom() < top || text.top() > bottom)
                    continue;
                EXPECT_FALSE(x > text.left() - 1.5 && x < text.right() + 1.5)
                    << frameName << " " << label->objectName().toStdString() << " \""
                    << label->text().toStdString() << "\" [" << text.left() << ", " << text.right()
                    << "] crossed by the rule at " << x;
                heads += label->text().contains(QStringLiteral("(cm)")) ? 1 : 0;
            }
        }
    }
    EXPECT_GT(heads, 12); // each of the twelve heads against the rules beside it
}

// The bar notes of the reinforcement details read as separate words on each line.
TEST_F(LayoutTest, CombinedBarNotesAreClearOfEachOther)
{
    for (const bool c2Flush : {false, true}) {
        shell::resetForTests();
        shell::openWindow(WindowKind::Combined);
        auto *window = shell::instanceAs<combined::CombinedWindow>(WindowKind::Combined);
        if (c2Flush) {
            ui::setInputText(window->control("Text1"), QStringLiteral("150"));
            ui::setInputText(window->control("Text2"), QStringLiteral("110"));
        }
        window->runDesign();
        QWidget *picture = window->control(c2Flush ? "Picture5" : "Picture4");
        ASSERT_FALSE(picture->isHidden());
        QList<QRect> notes;
        QStringList texts;
        // The bar notes are the plain texts; titles and dimensions are bold.
        for (QLabel *label : picture->findChildren<QLabel *>()) {
            if (label->isHidden() || label->text().isEmpty() || label->font().bold())
                continue;
            notes.append(textBox(*label));
            texts.append(label->text());
        }
        const int space = QFontMetrics(window->control("Label104")->font()).horizontalAdvance(' ');
        for (qsizetype i = 0; i < notes.size(); ++i) {
            for (qsizetype j = 0; j < notes.size(); ++j) {
                const QRect &a = notes[i];
                const QRect &b = notes[j];
                if (i == j || a.bottom() < b.top() || b.bottom() < a.top() || a.left() > b.left())
                    continue;
                EXPECT_GE(b.left() - (a.right() + 1), 2 * space)
                    << (c2Flush ? "C2 flush: \"" : "C1 flush: \"") << texts[i].toStdString()
                    << "\" and \"" << texts[j].toStdString() << "\"";
            }
        }
    }
}

} // namespace

#include "strip/strip_windows.h"

#include "app/case_chooser.h"
#include "app/shell.h"
#include "strip/strip_design.h"
#include "strip/strip_sketches.h"
#include "strip/strip_tables.h"
#include "ui/case_changes.h"
#include "ui/controls.h"

#include <QRadioButton>

namespace strip {

namespace {

// The outer size at which the chooser opens the design window.
constexpr int kDesignWidth = 11400;
constexpr int kDesignHeight = 8500;
// The outer size at which the foundation-type chooser opens the case chooser.
constexpr int kChooserWidth = 6800;
constexpr int kChooserHeight = 6500;

} // namespace

StripDesignWindow::StripDesignWindow() : DesignWindow(shell::WindowKind::DesignStrip, designSpec())
{
    find<QRadioButton>("Option1")->setChecked(true);
    connect(find<ui::CaptionLabel>("Label8"), &ui::CaptionLabel::clicked, this,
            [this] { chooseWall(false); });
    connect(find<ui::CaptionLabel>("Label12"), &ui::CaptionLabel::clicked, this,
            [this] { chooseWall(true); });
    find<ui::PictureBox>("Picture1")->setDrawing(sketches::centredWall);
    find<ui::PictureBox>("Picture2")->setDrawing(sketches::offCentreWall);
    find<ui::PictureBox>("Picture3")->setDrawing(sketches::beamAndColumns);
}

ui::DesignRequest StripDesignWindow::request() const
{
    ui::DesignRequest request = DesignWindow::request();
    request.concreteWall = concreteWall();
    return request;
}

void StripDesignWindow::chooseWall(bool concrete)
{
    find<QRadioButton>(concrete ? "Option2" : "Option1")->setChecked(true);
}

bool StripDesignWindow::concreteWall() const
{
    return find<QRadioButton>("Option2")->isChecked();
}

void prepareForCase(shell::ShellWindow &design, int footingCase)
{
    ui::applyChanges(design.form(), tables::caseChanges(footingCase));
}

shell::ShellWindow *createCaseChooser()
{
    auto *chooser = new shell::CaseChooser(shell::WindowKind::ChooseStrip, tables::kChooser,
                                           shell::WindowKind::DesignStrip, kDesignWidth,
                                           kDesignHeight, prepareForCase);
    chooser->find<ui::PictureBox>("Picture1(0)")->setDrawing(sketches::uniformCase);
    chooser->find<ui::PictureBox>("Picture1(1)")->setDrawing(sketches::momentCase);
    chooser->find<ui::PictureBox>("Picture1(2)")->setDrawing(sketches::nonUniformCase);
    chooser->find<ui::PictureBox>("Picture1(3)")->setDrawing(sketches::columnCase);
    return chooser;
}

shell::ShellWindow *createDesignWindow()
{
    return new StripDesignWindow;
}

shell::Snapshots snapshots()
{
    shell::Snapshots all{
        {QStringLiteral("choosestrip"),
         [] {
             shell::openWindow(shell::WindowKind::ChooseStrip, kChooserWidth, kChooserHeight);
             return shell::instance(shell::WindowKind::ChooseStrip);
         }},
    };
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        all.push_back(
            {QStringLiteral("designstrip-case%1").arg(footingCase), [footingCase] {
                 shell::openWindow(shell::WindowKind::ChooseStrip, kChooserWidth, kChooserHeight);
                 shell::instanceAs<shell::CaseChooser>(shell::WindowKind::ChooseStrip)
                     ->chooseByCaption(footingCase);
                 shell::ShellWindow *design = shell::instance(shell::WindowKind::DesignStrip);
                 design->runDesign();
                 return design;
             }});
    }
    return all;
}

} // namespace strip

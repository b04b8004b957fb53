#include "strip/strip_windows.h"

#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "strip/strip_design.h"
#include "strip/strip_sketches.h"
#include "strip/strip_tables.h"
#include "widgets/case_changes.h"
#include "widgets/controls.h"

#include <QRadioButton>

namespace strip {

namespace {} // namespace

StripDesignWindow::StripDesignWindow() : DesignWindow(shell::WindowKind::Strip, windowInfo())
{
    connect(find<ui::CaptionLabel>("Label8"), &ui::CaptionLabel::clicked, this,
            [this] { chooseWall(false); });
    connect(find<ui::CaptionLabel>("Label12"), &ui::CaptionLabel::clicked, this,
            [this] { chooseWall(true); });
    find<ui::PictureBox>("Picture1")->setDrawing(sketches::centredWall);
    find<ui::PictureBox>("Picture2")->setDrawing(sketches::offCentreWall);
    find<ui::PictureBox>("Picture3")->setDrawing(sketches::beamAndColumns);
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
    auto *chooser = new shell::CaseChooser(shell::WindowKind::StripCases, tables::kChooser,
                                           shell::WindowKind::Strip, prepareForCase);
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

} // namespace strip

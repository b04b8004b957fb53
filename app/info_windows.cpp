#include "app/info_windows.h"

#include "app/info_drawings.h"
#include "app/info_tables.h"
#include "app/printed_text.h"
#include "shell/registry.h"
#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QPushButton>
#include <QShortcut>

namespace app {

namespace {

using shell::WindowKind;

QString qstr(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Applies a row's settings, then prints its line.
void printRow(PrintSurface &surface, const tables::PrintRow &row)
{
    surface.setFontSize(row.points);
    surface.setUnderline(row.underline);
    surface.setColour(row.colour.isSet ? ui::toQColor(row.colour.rgb) : surface.buttonTextColour());
    surface.print(qstr(row.text));
}

void printRows(PrintSurface &surface, std::span<const tables::PrintRow> rows)
{
    for (const tables::PrintRow &row : rows)
        printRow(surface, row);
}

template <class Window> Window *shown(WindowKind kind)
{
    shell::showWindow(kind);
    return shell::instanceAs<Window>(kind);
}

} // namespace

void printEquationSheet(PrintSurface &surface)
{
    surface.setBold(true);
    printRows(surface, tables::kEquationsAboveSketch);
    // Room for the shear sketch: empty lines in the settings of the punching heading.
    surface.setFontSize(tables::kSketchRoom.points);
    surface.setUnderline(tables::kSketchRoom.underline);
    surface.setColour(ui::toQColor(tables::kSketchRoom.colour.rgb));
    for (int line = 0; line < tables::kSketchRoomLines; ++line)
        surface.print();
    printRows(surface, tables::kEquationsBelowSketch);
}

void printAboutText(PrintSurface &surface)
{
    surface.setBold(true);
    printRows(surface, tables::kAboutText);
}

void showEquations()
{
    if (auto *window = shown<EquationWindow>(WindowKind::Equation))
        printEquationSheet(window->printSurface());
}

void showDesigner()
{
    shell::showWindow(WindowKind::TheDesigner);
}

void showPictures()
{
    shell::showWindow(WindowKind::Pictures);
}

void showAbout()
{
    if (auto *window = shown<HelpWindow>(WindowKind::Help))
        printAboutText(window->printSurface());
}

// --- the windows ----------------------------------------------------------------------------

InfoWindow::InfoWindow(WindowKind kind, std::span<const core::Control> table, const char *okButton)
    : ShellWindow(kind, table)
{
    auto *ok = find<QPushButton>(okButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [kind] { shell::closeWindow(kind); });
    // Escape closes the window; Enter presses its OK button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [kind] { shell::closeWindow(kind); });
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, ok, &QPushButton::click);
    }
}

PrintedWindow::PrintedWindow(WindowKind kind, std::span<const core::Control> table,
                             const char *okButton)
    : InfoWindow(kind, table, okButton), m_surface(new PrintSurface(form()))
{}

EquationWindow::EquationWindow()
    : PrintedWindow(WindowKind::Equation, tables::kEquation, "Command2")
{}

HelpWindow::HelpWindow() : PrintedWindow(WindowKind::Help, tables::kHelp, "Command1")
{
    find<ui::PictureBox>("Image1")->setDrawing(drawings::constructionSite);
    // The text runs on over the top of the photograph and stays readable there.
    printSurface().stackUnder(control("Label1"));
}

PicturesWindow::PicturesWindow() : InfoWindow(WindowKind::Pictures, tables::kPictures, "Command1")
{
    find<ui::PictureBox>("Image1")->setDrawing(drawings::calligraphy);
}

DesignerWindow::DesignerWindow()
    : InfoWindow(WindowKind::TheDesigner, tables::kTheDesigner, "Command1")
{
    ui::setColours(&form(), ui::toQColor(core::colours::lightPink.rgb), Qt::black);
    find<ui::PictureBox>("Picture1")->setDrawing(drawings::designerPortrait);
    find<ui::PictureBox>("Image1")->setDrawing(drawings::foundationBlueprint);
}

} // namespace app

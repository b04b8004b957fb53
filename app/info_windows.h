#pragma once

#include "shell/shell_window.h"

namespace app {

class PrintSurface;

// The menu entries of the main window that open the information windows beside it.
void showEquations(); // View > Design Equation: shows the window and prints the sheet on it
void showDesigner();  // View > The Designer
void showPictures();  // View > Picture
void showAbout();     // Help > About This Programe: shows the window and prints the text on it

// Prints the whole design-equations sheet, or the about text, at the print position.
void printEquationSheet(PrintSurface &surface);
void printAboutText(PrintSurface &surface);

// A window that only shows information and closes with its OK button, Enter or Escape.
class InfoWindow : public shell::ShellWindow
{
    Q_OBJECT
public:
    InfoWindow(shell::WindowKind kind, std::span<const core::Control> table, const char *okButton);
};

// An information window whose text is printed onto it.
class PrintedWindow : public InfoWindow
{
    Q_OBJECT
public:
    PrintedWindow(shell::WindowKind kind, std::span<const core::Control> table,
                  const char *okButton);

    PrintSurface &printSurface() { return *m_surface; }

private:
    PrintSurface *m_surface;
};

// The design-equations sheet beside a sketch of the shear and punching sections.
class EquationWindow : public PrintedWindow
{
    Q_OBJECT
public:
    EquationWindow();
};

// The about text over a photograph.
class HelpWindow : public PrintedWindow
{
    Q_OBJECT
public:
    HelpWindow();
};

// A calligraphy with two dedication lines.
class PicturesWindow : public InfoWindow
{
    Q_OBJECT
public:
    PicturesWindow();
};

// The credits card.
class DesignerWindow : public InfoWindow
{
    Q_OBJECT
public:
    DesignerWindow();
};

} // namespace app

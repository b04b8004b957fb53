#pragma once

#include "core/control_table.h"
#include "widgets/page_painter.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace ui {
class Form;
}

namespace app {

// One line printed onto a window: its text, the font and colour in force when it was
// printed, and the band of the client area it occupies (pixels).
struct PrintedLine {
    QString text; // empty for a line that only moved the print position
    core::Font font;
    QColor colour;
    double top = 0;
    double height = 0;
};

// Text printed onto a window's client area, line by line, the way a report is typed onto a
// sheet: a print position that starts at the top-left corner, a current font and colour that
// apply to the lines printed after they are set, and a line height that follows the font in
// use. The lines are kept, not just drawn, so they stay part of the window's image: they are
// repainted after the window is covered, rendered when the window is printed, and go only
// with the window.
//
// The surface lies over the whole client area and under the window's controls; it never
// takes the mouse.
class PrintSurface : public QWidget, public ui::PagePainted
{
    Q_OBJECT
public:
    // Starts at the top-left corner with MS Sans Serif 8.25 pt, regular, in the client area's
    // text colour.
    explicit PrintSurface(ui::Form &form);

    void setFontSize(double points);
    void setBold(bool on);
    void setUnderline(bool on);
    void setColour(const QColor &colour);
    // The system colour of text on buttons.
    QColor buttonTextColour() const;

    const core::Font &currentFont() const { return m_font; }
    QColor colour() const { return m_colour; }

    // Prints one line at the print position and moves the position to the next line; an empty
    // text only moves the position.
    void print(const QString &text = {});

    // The print position: distance of the next line from the top of the client area (pixels).
    double printY() const { return m_y; }
    // The height of one line in the current font (pixels).
    double lineHeight() const;

    const std::vector<PrintedLine> &lines() const { return m_lines; }

    // The height of a line in a font: the font's own line spacing, but never less than
    // one and a quarter of its size, so that stacked lines keep the designed rhythm whatever
    // face stands in for the designed one.
    static double lineHeight(const core::Font &font);

    void paintOn(QPainter &painter) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The printed lines that cross the band from `top` to `bottom` (pixels).
    void paintLines(QPainter &painter, double top, double bottom) const;

private:
    core::Font m_font;
    QColor m_colour;
    double m_y = 0;
    std::vector<PrintedLine> m_lines;
};

} // namespace app

#pragma once

#include "core/control_table.h"
#include "widgets/page_painter.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QRadioButton;
class QTabBar;

namespace ui {

// A label that can size itself to its text and reports clicks (the choosers' captions). A
// result caption whose inputs have changed since it was written is drawn in grey, whatever
// colours it has, until the next run writes it again.
class CaptionLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    void setAutoSize(bool on) { m_autoSize = on; }
    void setCaption(const QString &text);

    bool isStale() const { return m_stale; }
    void setStale(bool stale);
    // The colour the text is drawn in now: grey while stale, else its own.
    QColor textColour() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
    bool m_stale = false;
};

// The text of a label as the label draws it (alignment, word wrap, right-to-left text), in
// the given colour.
void paintLabelText(QPainter &painter, const QLabel &label, const QColor &colour);

// A captioned group: the whole box in its background colour, an etched border and the
// caption breaking the border at the top left.
class FrameBox : public QWidget, public PagePainted
{
    Q_OBJECT
public:
    explicit FrameBox(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void paintOn(QPainter &painter) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};

// A picture box: a container whose picture is a vector drawing in twips, with an optional
// sunken border. Children are placed relative to the inside of the border.
//
// A choosable picture (a chooser's case) takes the keyboard focus, shows it with a frame, and
// is chosen with Enter or Space; the arrow keys move to the next or previous choice.
class PictureBox : public QFrame, public PagePainted
{
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter &)>;

    explicit PictureBox(bool border, QWidget *parent = nullptr);

    void setDrawing(Drawing drawing);
    bool hasDrawing() const { return static_cast<bool>(m_drawing); }
    int contentOffset() const { return frameWidth(); }

    void setChoosable(bool choosable);
    bool isChoosable() const { return m_choosable; }

    // The drawing and the border; no focus frame.
    void paintOn(QPainter &painter) const override;

signals:
    void clicked();
    void chosen(); // Enter or Space on a choosable picture

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintDrawing(QPainter &painter) const;

    Drawing m_drawing;
    bool m_choosable = false;
};

// A line or a rectangle/ellipse shape: drawn, never in the way of the mouse.
class ShapeControl : public QWidget, public PagePainted
{
    Q_OBJECT
public:
    ShapeControl(const core::Control &row, QWidget *parent);

    void paintOn(QPainter &painter) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintShape(QPainter &painter) const;

    const core::Control &m_row;
    QPointF m_from, m_to; // line end points, local pixels
};

// A tab control with all tabs in one row. Pages cover the whole control, so children are
// positioned relative to its top-left corner, under the tab row as designed. Ctrl+Tab and
// Ctrl+Shift+Tab anywhere in its window show the next and the previous tab.
class TabControl : public QWidget, public PagePainted
{
    Q_OBJECT
public:
    TabControl(const QStringList &captions, const core::Font &font, QWidget *parent);

    QWidget *page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    // Shows the tab `step` places on, wrapping round.
    void stepTab(int step);
    QTabBar *tabBar() const { return m_bar; }
    // The index of the page that holds `control`, or -1.
    int pageOf(const QWidget *control) const;

    void paintOn(QPainter &painter) const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPage(int index);

    QTabBar *m_bar;
    std::vector<QWidget *> m_pages;
};

// Uniform access to the captions, texts and colours of any control.
QString captionOf(const QWidget *control);
void setCaption(QWidget *control, const QString &text);
QString inputText(const QWidget *control); // text box or list
void setInputText(QWidget *control, const QString &text);
// The text of an editable list: the entry of that text, if there is one, and the text.
void setListText(QComboBox *list, const QString &text);
// Selects an option button, or clears it by selecting another option of its group.
void selectOption(QRadioButton *option, bool selected);
void setColours(QWidget *control, const QColor &back, const QColor &fore);
// Brings a control into view: shows the tab of every tab control that holds it.
void revealControl(QWidget *control);
QColor backColour(const QWidget *control);
QColor foreColour(const QWidget *control);

} // namespace ui

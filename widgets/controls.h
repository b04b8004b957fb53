#pragma once

#include "core/control_table.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

class QTabBar;

class QRadioButton;

namespace ui {

// A label that can size itself to its text and reports clicks (the choosers' captions).
class CaptionLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    void setAutoSize(bool on) { m_autoSize = on; }
    void setCaption(const QString &text);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
};

// A captioned group: the whole box in its background colour, an etched border and the
// caption breaking the border at the top left.
class FrameBox : public QWidget
{
    Q_OBJECT
public:
    explicit FrameBox(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};

// A picture box: a container whose picture is a vector drawing in twips, with an optional
// sunken border. Children are placed relative to the inside of the border.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter &)>;

    explicit PictureBox(bool border, QWidget *parent = nullptr);

    void setDrawing(Drawing drawing);
    bool hasDrawing() const { return static_cast<bool>(m_drawing); }
    int contentOffset() const { return frameWidth(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Drawing m_drawing;
};

// A line or a rectangle/ellipse shape: drawn, never in the way of the mouse.
class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    ShapeControl(const core::Control &row, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const core::Control &m_row;
    QPointF m_from, m_to; // line end points, local pixels
};

// A tab control with all tabs in one row. Pages cover the whole control, so children are
// positioned relative to its top-left corner, under the tab row as designed.
class TabControl : public QWidget
{
    Q_OBJECT
public:
    TabControl(const QStringList &captions, const core::Font &font, QWidget *parent);

    QWidget *page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar *tabBar() const { return m_bar; }

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
// Selects an option button, or clears it by selecting another option of its group.
void selectOption(QRadioButton *option, bool selected);
void setColours(QWidget *control, const QColor &back, const QColor &fore);
QColor backColour(const QWidget *control);
QColor foreColour(const QWidget *control);

} // namespace ui

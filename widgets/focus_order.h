#pragma once

#include <QList>

class QRect;
class QWidget;

namespace ui {

// Chains the keyboard focus of a window's controls in reading order, so Tab follows the
// form: the controls and groups of a container are cut into rows wherever a horizontal line
// crosses none of them, each row into columns wherever a vertical line crosses none, and so on
// down; a group's own controls come in the same way where the group comes. The pages of a tab
// control follow its tab row, page by page. Hidden controls are left out, and a control
// covered by a group drawn over it loses the focus until it is uncovered; call again after
// controls are shown, hidden or moved.
void orderFocusByReading(QWidget &root);

// The controls that take the focus with Tab inside `root`, in the order orderFocusByReading
// chains them.
QList<QWidget *> readingOrder(const QWidget &root);

// Reading order of rectangles by recursive cuts (rows first, then columns); returns their
// indices. Rectangles that no cut separates keep top-then-left order.
QList<int> readingOrder(const QList<QRect> &boxes);

} // namespace ui

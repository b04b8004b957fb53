#include "widgets/focus_order.h"

#include "widgets/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRect>
#include <QTabBar>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <numeric>

namespace ui {

namespace {

// The focus policy a covered control had before Tab was kept from it.
constexpr char kUncoveredPolicy[] = "uncoveredFocusPolicy";

bool takesTabFocus(const QWidget &widget)
{
    return widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// A control lies under a container drawn over it (a case shows one group in front of
// another): a later sibling of it or of one of its containers, opaque and covering it whole.
bool isCovered(const QWidget &control, const QWidget &root)
{
    for (const QWidget *widget = &control; widget && widget != &root;
         widget = widget->parentWidget()) {
        const QWidget *parent = widget->parentWidget();
        if (!parent)
            break;
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
            const auto *above = qobject_cast<const QWidget *>(siblings[i]);
            if (above && !above->isHidden() && !above->isWindow() && above->autoFillBackground() &&
                above->geometry().contains(widget->geometry()))
                return true;
        }
    }
    return false;
}

// Tab skips covered controls and reaches them again once they are uncovered.
void keepTabFromCovered(QWidget &root)
{
    for (QWidget *widget : root.findChildren<QWidget *>()) {
        const QVariant kept = widget->property(kUncoveredPolicy);
        const bool covered = isCovered(*widget, root);
        if (covered && !kept.isValid() && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setProperty(kUncoveredPolicy, int(widget->focusPolicy()));
            widget->setFocusPolicy(Qt::NoFocus);
        } else if (!covered && kept.isValid()) {
            widget->setFocusPolicy(Qt::FocusPolicy(kept.toInt()));
            widget->setProperty(kUncoveredPolicy, QVariant());
        }
    }
}

// Controls that are reached as a whole: Tab never stops inside them.
bool isLeaf(const QWidget &widget)
{
    return qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QComboBox *>(&widget) ||
           qobject_cast<const QAbstractButton *>(&widget) ||
           qobject_cast<const QTabBar *>(&widget) ||
           (qobject_cast<const PictureBox *>(&widget) && takesTabFocus(widget));
}

// Splits indices at the first gap along one axis: `low`/`high` give a box's extent.
template <class Low, class High>
bool cut(QList<int> &indices, const QList<QRect> &boxes, Low low, High high, QList<int> &first,
         QList<int> &rest)
{
    std::stable_sort(indices.begin(), indices.end(),
                     [&](int a, int b) { return low(boxes[a]) < low(boxes[b]); });
    int reach = high(boxes[indices.front()]);
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const QRect &box = boxes[indices[i]];
        if (low(box) >= reach) {
            first = indices.mid(0, i);
            rest = indices.mid(i);
            return true;
        }
        reach = std::max(reach, high(box));
    }
    return false;
}

void order(QList<int> indices, const QList<QRect> &boxes, QList<int> &out)
{
    if (indices.size() <= 1) {
        out += indices;
        return;
    }
    const auto top = [](const QRect &r) { return r.top(); };
    const auto bottom = [](const QRect &r) { return r.top() + r.height(); };
    const auto left = [](const QRect &r) { return r.left(); };
    const auto right = [](const QRect &r) { return r.left() + r.width(); };
    QList<int> first, rest;
    if (cut(indices, boxes, top, bottom, first, rest) ||
        cut(indices, boxes, left, right, first, rest)) {
        order(first, boxes, out);
        order(rest, boxes, out);
        return;
    }
    std::stable_sort(indices.begin(), indices.end(), [&](int a, int b) {
        const QRect &p = boxes[a];
        const QRect &q = boxes[b];
        return p.top() != q.top() ? p.top() < q.top() : p.left() < q.left();
    });
    out += indices;
}

void collect(const QWidget &container, QList<QWidget *> &out);

// The focus controls of one child of a container: itself, or what it holds.
QList<QWidget *> focusControlsOf(QWidget &child)
{
    QList<QWidget *> found;
    if (isLeaf(child)) {
        if (takesTabFocus(child))
            found.append(&child);
        return found;
    }
    if (auto *tabs = qobject_cast<TabControl *>(&child)) {
        if (takesTabFocus(*tabs->tabBar()))
            found.append(tabs->tabBar());
        for (int i = 0; i < tabs->pageCount(); ++i)
            collect(*tabs->page(i), found);
        return found;
    }
    collect(child, found);
    return found;
}

void collect(const QWidget &container, QList<QWidget *> &out)
{
    QList<QRect> boxes;
    QList<QList<QWidget *>> groups;
    for (QObject *object : container.children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        QList<QWidget *> controls = focusControlsOf(*child);
        if (controls.isEmpty())
            continue;
        boxes.append(child->geometry());
        groups.append(controls);
    }
    for (const int index : readingOrder(boxes))
        out += groups[index];
}

} // namespace

QList<int> readingOrder(const QList<QRect> &boxes)
{
    QList<int> indices(boxes.size());
    std::iota(indices.begin(), indices.end(), 0);
    QList<int> out;
    order(indices, boxes, out);
    return out;
}

QList<QWidget *> readingOrder(const QWidget &root)
{
    QList<QWidget *> controls;
    collect(root, controls);
    return controls;
}

void orderFocusByReading(QWidget &root)
{
    keepTabFromCovered(root);
    const QList<QWidget *> controls = readingOrder(root);
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace ui

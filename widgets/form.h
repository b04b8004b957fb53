#pragma once

#include "core/control_table.h"

#include <QHash>
#include <QWidget>
#include <span>
#include <string_view>

namespace ui {

// The client area of a window, built once from the window's constant control table: one
// widget per row, named as in the table, in the table's order.
class Form : public QWidget
{
    Q_OBJECT
public:
    // `width` and `height` are the designed client size in twips.
    Form(std::span<const core::Control> table, int width, int height, QWidget *parent = nullptr);

    std::span<const core::Control> table() const { return m_table; }
    const core::Control *row(std::string_view name) const;

    // The control of that name; a missing name is a programming error and warns.
    QWidget *control(std::string_view name) const;
    template <class T> T *find(std::string_view name) const
    {
        return qobject_cast<T *>(control(name));
    }
    bool has(std::string_view name) const;

    // Every control whose row carries this action, in table order.
    QList<QWidget *> controlsWith(core::Action action) const;

private:
    QWidget *create(const core::Control &row, QWidget *container);
    QWidget *containerFor(const core::Control &row) const;

    std::span<const core::Control> m_table;
    QHash<QString, QWidget *> m_controls;
};

} // namespace ui

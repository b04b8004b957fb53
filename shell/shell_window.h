#pragma once

#include "core/control_table.h"
#include "core/design.h"
#include "shell/window_catalogue.h"
#include "widgets/form.h"

#include <QMainWindow>
#include <span>

namespace shell {

// A top-level window of the program: its catalogue caption and frame, and a client area
// built from its control table at the designed size. Controls whose row names an action
// (Design, Back, Print, Exit) are wired here, once for every window.
class ShellWindow : public QMainWindow
{
    Q_OBJECT
public:
    ShellWindow(WindowKind kind, std::span<const core::Control> table);

    WindowKind kind() const { return m_kind; }
    ui::Form &form() { return *m_form; }
    const ui::Form &form() const { return *m_form; }
    QWidget *control(std::string_view name) const { return m_form->control(name); }
    template <class T> T *find(std::string_view name) const { return m_form->find<T>(name); }

    // Sets the outer size (frame included) in twips: width first, then height.
    void setOuterSize(int widthTwips, int heightTwips);
    // The outer size the window shows at its designed client size.
    void setDesignSize();
    // Places the window's frame in the middle of its screen.
    void centre();

    // The Design action; windows without one do nothing.
    virtual void runDesign() {}

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMargins decorationMargins() const;
    void wireActions();

    WindowKind m_kind;
    ui::Form *m_form;
};

// A design window: reads its inputs and lists, runs its design function and applies the run,
// or shows the one message that names the refused field and changes nothing else.
class DesignWindow : public ShellWindow
{
    Q_OBJECT
public:
    DesignWindow(WindowKind kind, const core::DesignWindowInfo &design);

    // The loading case a case chooser set before opening the window (0 for the windows
    // without cases).
    int footingCase() const { return m_footingCase; }
    void setFootingCase(int footingCase) { m_footingCase = footingCase; }
    // What a run would read now.
    core::DesignRequest request() const;
    void runDesign() override;

signals:
    // A run has been applied (not emitted for refused input).
    void designApplied();

private:
    const core::DesignWindowInfo &m_info;
    int m_footingCase = 0;
};

} // namespace shell

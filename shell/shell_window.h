#pragma once

#include "core/control_table.h"
#include "core/design.h"
#include "report/report.h"
#include "shell/window_catalogue.h"
#include "widgets/form.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <span>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace ui {
class CaptionLabel;
class ReportPreview;
} // namespace ui

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

    // Sets the outer size (frame included) in twips: width first, then height. A menu bar or
    // status line the design did not have is added, so the client area shows as designed.
    void setOuterSize(int widthTwips, int heightTwips);
    // The outer size the window shows at its designed client size.
    void setDesignSize();
    // The height of the menu bar and status line around the client area, and of the part of
    // it the window's design did not have.
    int chromeHeight() const;
    int addedChromeHeight() const;
    // Places the window's frame in the middle of its screen.
    void centre();

    // The Design action; windows without one do nothing.
    virtual void runDesign() {}

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // A status line under the client area (design windows).
    QStatusBar *addStatusLine();

private:
    QMargins decorationMargins() const;
    void wireActions();

    WindowKind m_kind;
    ui::Form *m_form;
};

// A design window: reads its inputs and lists, runs its design function and applies the run,
// or shows the one message that names the refused field, puts the focus on that field and
// changes nothing else.
//
// Around the designed client area: a menu bar (File: Report…, Print, Back, Exit) and a status
// line.
// Enter in any input runs the design. Once an input or list differs from the texts the shown
// results were designed with, the results are out of date: their captions turn grey and the
// status line says so, until a run is applied again. The status line also carries the
// warnings of the last run.
//
// Report… previews the calculation report of the run on show: of the very run that was
// applied, never a second calculation, and never of inputs other than those on show.
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

    // The results on show belong to other inputs than the ones on show.
    bool resultsOutOfDate() const { return m_outOfDate; }
    QString statusText() const;
    // The File menu; further menus go after it.
    QMenu *fileMenu() const { return m_fileMenu; }
    // A menu entry by object name: "report", "print", "back", "exit".
    QAction *menuAction(const QString &name) const;

    // The run on show and the request it was designed from; nullptr before the first run
    // applied.
    const core::Run *appliedRun() const { return m_applied ? &m_applied->run : nullptr; }
    const core::DesignRequest *appliedRequest() const
    {
        return m_applied ? &m_applied->request : nullptr;
    }
    // What heads the window's reports: defaultTitle() with the fields `provider` fills (the
    // application's project name, footing mark, designer and date). Without one, or for the
    // fields it leaves empty, defaultTitle()'s.
    void setReportTitle(std::function<report::TitleBlock()> provider);
    report::TitleBlock reportTitle() const;
    // The calculation report of the run on show; nullopt before the first run applied.
    std::optional<report::Report> appliedReport() const;
    // Report…: opens the preview of appliedReport(). When nothing was designed yet or the
    // results are out of date, designs first; a refused run shows its message and no preview.
    void showReport();
    // The report preview open now, or nullptr.
    ui::ReportPreview *reportPreview() const;

signals:
    // A run has been applied (not emitted for refused input).
    void designApplied();
    // The text of an input or list, or the choice of an option, has changed.
    void inputsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void watchInputs();
    void focusRefusedField(const std::string &control);
    void updateResultState();

    const core::DesignWindowInfo &m_info;
    int m_footingCase = 0;
    QMenu *m_fileMenu = nullptr;
    QLabel *m_status = nullptr;
    // The run on show and what it was designed from, for its report.
    struct Applied {
        core::DesignRequest request;
        core::Run run;
    };
    std::optional<Applied> m_applied;
    std::function<report::TitleBlock()> m_reportTitle;
    QPointer<ui::ReportPreview> m_preview;
    // The texts the results on show were designed with, the captions the run wrote and its
    // warnings.
    std::optional<core::FieldTexts> m_designedTexts;
    QList<QPointer<ui::CaptionLabel>> m_results;
    QStringList m_warnings;
    bool m_outOfDate = false;
};

} // namespace shell

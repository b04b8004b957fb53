#include "app/project_windows.h"

#include "app/design_windows.h"
#include "app/import_dialog.h"
#include "app/project_properties.h"
#include "app/project_session.h"
#include "app/schedule_window.h"
#include "isolated/isolated_windows.h"
#include "project/project_report.h"
#include "shell/shell_window.h"
#include "strip/strip_windows.h"
#include "widgets/controls.h"
#include "widgets/seams.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QVariant>
#include <array>

namespace app {

namespace {

using shell::WindowKind;

// Where each design window of a project's footings lives, and how it is prepared for a case
// (the choosers' preparation; nullptr for a window without cases).
struct DesignWindowSlot {
    std::string_view command;
    WindowKind kind;
    void (*prepare)(shell::ShellWindow &, int);
};

constexpr std::array kDesignWindowSlots{
    DesignWindowSlot{"isolated", WindowKind::Isolated, isolated::prepareForCase},
    DesignWindowSlot{"strip", WindowKind::Strip, strip::prepareForCase},
    DesignWindowSlot{"combined", WindowKind::Combined, nullptr},
    DesignWindowSlot{"strap", WindowKind::Strap, nullptr},
};

const DesignWindowSlot *slotOf(std::string_view command)
{
    for (const DesignWindowSlot &slot : kDesignWindowSlots) {
        if (slot.command == command)
            return &slot;
    }
    return nullptr;
}

const DesignWindowSlot *slotOf(WindowKind kind)
{
    for (const DesignWindowSlot &slot : kDesignWindowSlots) {
        if (slot.kind == kind)
            return &slot;
    }
    return nullptr;
}

// The property of a design window that holds the mark of the footing it edits.
constexpr const char *kFootingProperty = "footingMark";

QPointer<ScheduleWindow> g_schedule;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString caption(WindowKind kind)
{
    const std::string_view text = shell::info(kind).caption;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::vector<shell::DesignWindow *> openDesignWindows()
{
    std::vector<shell::DesignWindow *> windows;
    for (const DesignWindowSlot &slot : kDesignWindowSlots) {
        if (auto *window = shell::instanceAs<shell::DesignWindow>(slot.kind))
            windows.push_back(window);
    }
    return windows;
}

void setFooting(shell::DesignWindow &window, const std::string &mark)
{
    window.setProperty(kFootingProperty, fromStd(mark));
}

void updateTitle(shell::DesignWindow &window)
{
    const std::string mark = footingOf(window);
    if (mark.empty()) {
        window.setWindowTitle(caption(window.kind()));
        window.setWindowModified(false);
        return;
    }
    window.setWindowTitle(caption(window.kind()) + QStringLiteral(" — ") + fromStd(mark) +
                          QStringLiteral("[*]"));
    window.setWindowModified(session().isModified());
}

void updateMainTitle(shell::ShellWindow &main)
{
    const ProjectSession &s = session();
    if (s.isBlank()) {
        main.setWindowTitle(caption(WindowKind::MainWindow));
        main.setWindowModified(false);
        return;
    }
    main.setWindowTitle(caption(WindowKind::MainWindow) + QStringLiteral(" — ") + s.displayName() +
                        QStringLiteral("[*]"));
    main.setWindowModified(s.isModified());
}

void updateTitles()
{
    if (auto *main = shell::instance(WindowKind::MainWindow))
        updateMainTitle(*main);
    for (shell::DesignWindow *window : openDesignWindows())
        updateTitle(*window);
}

// The texts a design window holds differ from the ones it opened with.
bool holdsTypedTexts(const shell::DesignWindow &window)
{
    const core::DesignWindowInfo *info = findDesignWindow(slotOf(window.kind())->command);
    return window.request().texts != core::defaultRequest(*info, window.footingCase()).texts;
}

// The window's texts into the footing it edits. A text the project cannot hold (a letter in
// a number) leaves the footing as it was; the autosave still keeps what was typed.
void storeTexts(shell::DesignWindow &window)
{
    const std::string mark = footingOf(window);
    if (!mark.empty())
        session().setFootingTexts(mark, window.request().texts);
}

void setTexts(shell::DesignWindow &window, const core::FieldTexts &texts)
{
    for (const auto &[control, text] : texts) {
        if (QWidget *field = window.control(control))
            ui::setInputText(field, fromStd(text));
    }
}

// A fresh design window of `slot`'s kind, prepared for the case and showing the texts.
shell::DesignWindow &openPrepared(const DesignWindowSlot &slot, int footingCase,
                                  const core::FieldTexts &texts, const std::string &mark)
{
    auto &window = static_cast<shell::DesignWindow &>(shell::ensureInstance(slot.kind));
    window.setFootingCase(footingCase);
    if (slot.prepare)
        slot.prepare(window, footingCase);
    setTexts(window, texts);
    setFooting(window, mark);
    updateTitle(window);
    shell::openWindow(slot.kind);
    return window;
}

std::vector<OpenWindowTexts> windowTexts()
{
    std::vector<OpenWindowTexts> texts;
    for (shell::DesignWindow *window : openDesignWindows()) {
        texts.push_back({std::string(slotOf(window->kind())->command), window->footingCase(),
                         footingOf(*window), window->request().texts});
    }
    return texts;
}

// Windows whose footing is no longer in the project (or, with `all`, any footing: another
// project was opened) edit none.
void unbindFootings(bool all)
{
    for (shell::DesignWindow *window : openDesignWindows()) {
        if (const std::string mark = footingOf(*window);
            !mark.empty() && (all || session().indexOf(mark) < 0)) {
            setFooting(*window, {});
            updateTitle(*window);
        }
    }
}

// A renamed footing keeps its design window: the window follows the new mark.
void followRename(const std::string &from, const std::string &to)
{
    for (shell::DesignWindow *window : openDesignWindows()) {
        if (footingOf(*window) == from) {
            setFooting(*window, to);
            updateTitle(*window);
        }
    }
}

QAction *addEntry(QMenu &menu, QAction *before, const QString &name, const QString &text,
                  const QKeySequence &shortcut)
{
    auto *action = new QAction(text, &menu);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu.insertAction(before, action);
    return action;
}

void fillRecent(QMenu &recent, QWidget &window)
{
    recent.clear();
    const QStringList files = session().recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString label =
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName());
        QAction *entry = recent.addAction(label);
        entry->setToolTip(files[i]);
        QObject::connect(entry, &QAction::triggered, &window, [&window, file = files[i]] {
            if (session().openFile(&window, file))
                showSchedule();
        });
    }
    if (files.isEmpty()) {
        recent.addAction(QObject::tr("No recent projects"))->setEnabled(false);
        return;
    }
    recent.addSeparator();
    QObject::connect(recent.addAction(QObject::tr("&Clear List")), &QAction::triggered, &window,
                     [] { session().clearRecentFiles(); });
}

} // namespace

void addProjectEntries(QMenu &file, QWidget &window, QAction *before)
{
    QWidget *parent = &window;
    QObject::connect(addEntry(file, before, QStringLiteral("newProject"),
                              QObject::tr("&New Project"), QKeySequence::New),
                     &QAction::triggered, &window, [parent] {
                         if (session().newProject(parent))
                             updateTitles();
                     });
    QObject::connect(addEntry(file, before, QStringLiteral("openProject"),
                              QObject::tr("Open &Project…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)),
                     &QAction::triggered, &window, [parent] {
                         if (session().openProject(parent))
                             showSchedule();
                     });
    auto *recent = new QMenu(QObject::tr("&Recent Projects"), &file);
    recent->setObjectName(QStringLiteral("recentProjects"));
    file.insertMenu(before, recent);
    QObject::connect(recent, &QMenu::aboutToShow, &window,
                     [recent, parent] { fillRecent(*recent, *parent); });
    QObject::connect(addEntry(file, before, QStringLiteral("saveProject"),
                              QObject::tr("&Save Project"), QKeySequence::Save),
                     &QAction::triggered, &window, [parent] { session().save(parent); });
    QObject::connect(addEntry(file, before, QStringLiteral("saveProjectAs"),
                              QObject::tr("Save Project &As…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
                     &QAction::triggered, &window, [parent] { session().saveAs(parent); });
    QObject::connect(addEntry(file, before, QStringLiteral("projectProperties"),
                              QObject::tr("Project Propert&ies…"), QKeySequence()),
                     &QAction::triggered, &window, [parent] { editProjectProperties(parent); });
    file.insertSeparator(before);
    QObject::connect(addEntry(file, before, QStringLiteral("schedule"),
                              QObject::tr("Footing &Schedule"), QKeySequence(Qt::CTRL | Qt::Key_L)),
                     &QAction::triggered, &window, [] { showSchedule(); });
    QObject::connect(addEntry(file, before, QStringLiteral("importReactions"),
                              QObject::tr("&Import Support Reactions…"),
                              QKeySequence(Qt::CTRL | Qt::Key_I)),
                     &QAction::triggered, &window, [parent] { importReactions(parent); });
}

void attachProject(shell::ShellWindow &mainWindow)
{
    updateMainTitle(mainWindow);
    QObject::connect(&session(), &ProjectSession::stateChanged, &mainWindow,
                     [&mainWindow] { updateMainTitle(mainWindow); });
    QMenu *file = mainWindow.findChild<QMenu *>(QStringLiteral("f"));
    if (!file)
        return;
    QAction *exit = mainWindow.findChild<QAction *>(QStringLiteral("e"));
    QAction *separator = file->insertSeparator(exit);
    addProjectEntries(*file, mainWindow, separator);
}

void attachProject(shell::DesignWindow &window)
{
    QMenu *file = window.fileMenu();
    QAction *exit = window.menuAction(QStringLiteral("exit"));
    // Before the separator that leads to Exit.
    const QList<QAction *> entries = file->actions();
    const qsizetype exitAt = entries.indexOf(exit);
    QAction *before = exitAt > 0 && entries[exitAt - 1]->isSeparator() ? entries[exitAt - 1] : exit;
    file->insertSeparator(before);
    addProjectEntries(*file, window, before);
    QAction *add = addEntry(*file, before, QStringLiteral("addToProject"),
                            QObject::tr("Add to &Project"), QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(add, &QAction::triggered, &window, [&window] { addToProject(window); });

    QObject::connect(&window, &shell::DesignWindow::inputsChanged, &window, [&window] {
        storeTexts(window);
        session().autosaveSoon();
    });
    QObject::connect(&session(), &ProjectSession::stateChanged, &window,
                     [&window] { updateTitle(window); });
    updateTitle(window);
    // Its reports are headed with the project and the footing's mark.
    window.setReportTitle(
        [&window] { return project::reportTitle(session().project().title(), footingOf(window)); });
}

std::string footingOf(const shell::DesignWindow &window)
{
    return window.property(kFootingProperty).toString().toStdString();
}

bool openFooting(int index, QWidget *parent)
{
    ProjectSession &s = session();
    if (index < 0 || std::size_t(index) >= s.project().size())
        return false;
    const project::Footing footing = s.project().footings()[std::size_t(index)];
    const DesignWindowSlot *slot = slotOf(footing.window);
    if (!slot)
        return false;
    shell::WindowChange change;
    if (auto *open = shell::instanceAs<shell::DesignWindow>(slot->kind)) {
        if (footingOf(*open) == footing.mark) {
            shell::showWindow(slot->kind);
            return true;
        }
        if (footingOf(*open).empty() && holdsTypedTexts(*open)) {
            const QString question =
                QObject::tr("The %1 window holds texts that are in no footing of the project. "
                            "Add them to the project as a new footing before it shows %2?")
                    .arg(fromStd(footing.window), fromStd(footing.mark));
            switch (ui::messages().askToSave(parent, caption(slot->kind), question)) {
            case ui::MessageSeam::SaveAnswer::Save:
                if (!addToProject(*open))
                    return false;
                break;
            case ui::MessageSeam::SaveAnswer::Discard:
                break;
            case ui::MessageSeam::SaveAnswer::Cancel:
                return false;
            }
        }
        shell::closeWindow(slot->kind);
    }
    shell::DesignWindow &window =
        openPrepared(*slot, footing.footingCase, footing.texts, footing.mark);
    window.runDesign();
    return true;
}

bool addToProject(shell::DesignWindow &window)
{
    // A window that already edits a footing adds a copy, which it then edits.
    const DesignWindowSlot *slot = slotOf(window.kind());
    ProjectSession &s = session();
    const std::string mark = s.project().nextMark();
    project::Footing footing{mark, std::string(slot->command), window.footingCase(),
                             window.request().texts};
    if (const auto problem = s.addFooting(std::move(footing))) {
        ui::messages().warn(&window, QObject::tr("Add to Project"), fromStd(problem->message));
        return false;
    }
    setFooting(window, mark);
    updateTitle(window);
    return true;
}

ScheduleWindow &showSchedule()
{
    if (!g_schedule)
        g_schedule = new ScheduleWindow(session());
    g_schedule->show();
    g_schedule->raise();
    g_schedule->activateWindow();
    return *g_schedule;
}

ScheduleWindow *scheduleWindow()
{
    return g_schedule.data();
}

bool offerRecovery()
{
    ProjectSession &s = session();
    for (const Recovery &recovery : s.findRecoveries()) {
        const QString name = recovery.projectFile.isEmpty()
                                 ? QObject::tr("an untitled project")
                                 : QFileInfo(recovery.projectFile).fileName();
        const QString question =
            QObject::tr("The program did not end normally on %1. Recover the work it kept: %2 "
                        "and the texts of %n open design window(s)?",
                        nullptr, int(recovery.windows.size()))
                .arg(recovery.savedAt, name);
        if (!ui::messages().ask(nullptr, QObject::tr("Recover Work"), question)) {
            s.discard(recovery);
            continue;
        }
        if (!s.restore(recovery)) {
            ui::messages().warn(nullptr, QObject::tr("Recover Work"),
                                QObject::tr("The work kept could not be read."));
            s.discard(recovery);
            continue;
        }
        shell::WindowChange change;
        for (const OpenWindowTexts &window : recovery.windows) {
            const DesignWindowSlot *slot = slotOf(window.window);
            if (!slot || shell::isOpen(slot->kind))
                continue;
            const std::string mark = s.indexOf(window.mark) >= 0 ? window.mark : std::string();
            openPrepared(*slot, window.footingCase, window.texts, mark);
        }
        if (s.project().size() > 0)
            showSchedule();
        if (shell::openWindowCount() == 0)
            shell::showWindow(WindowKind::MainWindow);
        s.autosaveNow();
        return true;
    }
    return false;
}

bool mayEndProgram(shell::EndReason reason)
{
    if (reason == shell::EndReason::LastWindowClosed && g_schedule && g_schedule->isVisible())
        return false;
    ProjectSession &s = session();
    QWidget *parent = QApplication::activeWindow();
    if (!s.maySetAside(parent, QObject::tr("the program ends"))) {
        if (shell::openWindowCount() == 0 && !(g_schedule && g_schedule->isVisible()))
            shell::showWindow(WindowKind::MainWindow);
        return false;
    }
    s.endCleanly();
    if (g_schedule) {
        g_schedule->hide();
        g_schedule->deleteLater();
    }
    return true;
}

void installProjectWindows(const QString &autosaveFolder)
{
    if (g_schedule)
        delete g_schedule.data();
    installProjectSession(autosaveFolder);
    ProjectSession &s = session();
    s.setWindowTexts(windowTexts);
    QObject::connect(&s, &ProjectSession::projectReplaced, &s, [] {
        unbindFootings(true);
        updateTitles();
    });
    QObject::connect(&s, &ProjectSession::footingRemoved, &s, [] { unbindFootings(false); });
    QObject::connect(&s, &ProjectSession::footingRenamed, &s, followRename);
    shell::setEndGuard(mayEndProgram);
}

} // namespace app

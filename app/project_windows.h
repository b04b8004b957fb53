#pragma once

#include "shell/registry.h"

#include <QString>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace shell {
class DesignWindow;
class ShellWindow;
} // namespace shell

namespace app {

class ScheduleWindow;

// The project in the windows: the project entries of every File menu, the design windows
// that edit a footing of the project, the footing schedule, the autosave of every typed text
// and what the program asks before it ends with unsaved work.

// Adds New Project, Open Project…, Recent Projects, Save Project, Save Project As…, Project
// Properties…, Footing Schedule and Import Support Reactions… to a File menu, before `before`
// (at the end when nullptr).
void addProjectEntries(QMenu &file, QWidget &window, QAction *before);

// The main window's title says which project is open and whether it has unsaved changes.
void attachProject(shell::ShellWindow &mainWindow);
// A design window gains the project entries and Add to Project in its File menu, and keeps
// the footing it edits (if any) up to date with every text typed.
void attachProject(shell::DesignWindow &window);

// The footing a design window edits, by mark; empty when it edits none.
std::string footingOf(const shell::DesignWindow &window);
// Opens a footing of the project in its design window (prepared for its case), shows its
// texts and designs it. A window of that kind that holds texts of no footing asks first.
bool openFooting(int index, QWidget *parent);
// Stores the window's case and texts in the project as a new footing with the next free
// mark; the window then edits that footing.
bool addToProject(shell::DesignWindow &window);

// The footing schedule, shown and raised (made if needed).
ScheduleWindow &showSchedule();
// The schedule window while it is open, or nullptr.
ScheduleWindow *scheduleWindow();

// At start-up, offers the work a session that did not end normally left in the autosave
// folder: the project and the texts of its open design windows. True when it was restored
// (the windows are open).
bool offerRecovery();

// What the program asks before it ends: unsaved changes of the project are saved, dropped or
// kept (the program goes on). While the schedule is open, closing the last other window does
// not end the program.
bool mayEndProgram(shell::EndReason reason);

// Makes the session, installs the end guard and the source of the autosave's window texts.
// `autosaveFolder` empty: the user's data folder.
void installProjectWindows(const QString &autosaveFolder = {});

} // namespace app

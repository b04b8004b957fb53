#pragma once

#include "core/design.h"
#include "project/project.h"
#include "project/reactions.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class QWidget;

namespace app {

// What a design window holds when the work is kept: its window and case, the footing of the
// project it edits (empty when none) and the texts of every input.
struct OpenWindowTexts {
    std::string window; // "isolated", ...
    int footingCase = 0;
    std::string mark;
    core::FieldTexts texts;
};

// Work found in the autosave folder from a session that did not end normally.
struct Recovery {
    QString autosaveFile;
    QString projectFile; // the file the project came from; empty for an untitled project
    bool modified = false;
    QString savedAt; // when it was written, as the user's locale writes a date and time
    std::string projectJson;
    std::vector<OpenWindowTexts> windows;
};

// The project the program has open: the footings of a building, the file they came from,
// whether they changed since it was saved, the recently used files, and the autosave that
// keeps everything typed (the project and the texts of every open design window) in the
// user's data folder, so a crash or a kill loses nothing.
//
// Every edit goes through here and either applies completely or is refused with the
// project's problem; the signals tell the views. Dialogs go through the message seam.
class ProjectSession : public QObject
{
    Q_OBJECT
public:
    // `autosaveFolder` holds this session's autosave file and what earlier sessions left.
    explicit ProjectSession(QString autosaveFolder, QObject *parent = nullptr);
    ~ProjectSession() override;

    const project::Project &project() const { return m_project; }
    QString filePath() const { return m_file; }
    // "building.fdn", or "Untitled" before the project is saved.
    QString displayName() const;
    bool isModified() const { return m_modified; }
    // Neither a file nor a footing nor a change: what the program starts with.
    bool isBlank() const;

    // --- edits: each marks the project as changed and says which footings changed ----------
    std::optional<project::Problem> addFooting(project::Footing footing);
    std::optional<project::Problem> duplicateFooting(int index);
    std::optional<project::Problem> removeFooting(int index);
    std::optional<project::Problem> renameFooting(int index, const std::string &mark);
    // Sets the texts of the footing with this mark; the same texts change nothing.
    std::optional<project::Problem> setFootingTexts(const std::string &mark,
                                                    const core::FieldTexts &texts);
    std::optional<project::Problem> setTitle(project::TitleBlock title);
    // The texts new footings of a window start with (all of them for the window, or none).
    std::optional<project::Problem> setDefaults(const std::string &window, core::FieldTexts texts);
    // Adds every footing of an import's preview, or none (project::applyImport).
    std::optional<project::Problem> importFootings(const project::ImportPreview &preview,
                                                   bool skipBadRows);
    // The footing with this mark, by position; -1 when there is none.
    int indexOf(const std::string &mark) const;

    // --- files: each asks through the message seam and says what went wrong -----------------
    // Each returns false when the user cancelled or the file was refused (nothing changes).
    bool newProject(QWidget *parent);
    bool openProject(QWidget *parent); // asks for the file
    bool openFile(QWidget *parent, const QString &file);
    bool save(QWidget *parent);
    bool saveAs(QWidget *parent);
    // Asks what to do with unsaved changes before they would be dropped: true when they are
    // saved or the user drops them, false to keep working.
    bool maySetAside(QWidget *parent, const QString &what);
    QStringList recentFiles() const;
    void clearRecentFiles();

    // --- autosave -----------------------------------------------------------------------------
    // Where the texts of the open design windows come from when the autosave writes.
    void setWindowTexts(std::function<std::vector<OpenWindowTexts>()> source);
    // Asks for an autosave soon (the timer collects the changes of a burst of typing).
    void autosaveSoon();
    QTimer *autosaveTimer() const { return m_autosaveTimer; }
    // Writes the autosave file now; a failure is said once in the log, never in a box.
    void autosaveNow();
    QString autosaveFile() const { return m_autosaveFile; }
    // The session ends normally: its autosave is no longer needed.
    void endCleanly();
    // The work that sessions which did not end normally left behind, newest first.
    std::vector<Recovery> findRecoveries() const;
    // Takes the project of a recovery (marked as changed) and forgets its autosave file.
    bool restore(const Recovery &recovery);
    void discard(const Recovery &recovery);

signals:
    // The whole project was replaced (new, open, restore).
    void projectReplaced();
    void footingInserted(int index);
    void footingRemoved(int index);
    void footingChanged(int index);
    // A footing's mark changed (after footingChanged).
    void footingRenamed(const std::string &from, const std::string &to);
    // Many footings came in at once (an import): every view lists the footings again.
    void footingsReset();
    // The file name or the changed mark.
    void stateChanged();

private:
    void setModified(bool modified);
    void replace(project::Project project, const QString &file, bool modified);
    // Where the file dialogs start: the project's folder, or the documents folder.
    QString fileFolder() const;
    bool load(QWidget *parent, const QString &file);
    bool writeTo(QWidget *parent, const QString &file);
    void rememberRecent(const QString &file);

    project::Project m_project;
    QString m_file;
    bool m_modified = false;
    QString m_autosaveFolder;
    QString m_autosaveFile;
    std::unique_ptr<QLockFile> m_lock;
    QTimer *m_autosaveTimer;
    std::function<std::vector<OpenWindowTexts>()> m_windowTexts;
    bool m_autosaveFailed = false;
};

// The program's session; installProjectSession makes it.
ProjectSession &session();
// Makes the session with its autosave in `autosaveFolder` (the user's data folder when
// empty). Replaces an earlier one (tests).
void installProjectSession(const QString &autosaveFolder = {});

// A project file's name filter for the file dialogs.
QString projectFileFilter();

} // namespace app

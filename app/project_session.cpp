#include "app/project_session.h"

#include "app/design_windows.h"
#include "widgets/seams.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtGlobal>
#include <algorithm>

namespace app {

namespace {

constexpr int kRecentFileCount = 8;
// A burst of typing is written once, this long after its first change.
constexpr int kAutosaveDelayMs = 2000;
const QString kRecentKey = QStringLiteral("projects/recent");
const QString kAutosaveFormat = QStringLiteral("foundations-autosave");
constexpr int kAutosaveVersion = 1;

// Owned by the application object, so it goes before Qt does.
QPointer<ProjectSession> g_session;

QString sessionName()
{
    return QStringLiteral("session-%1").arg(QCoreApplication::applicationPid());
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QJsonObject textsObject(const core::FieldTexts &texts)
{
    QJsonObject object;
    for (const auto &[control, text] : texts)
        object.insert(fromStd(control), fromStd(text));
    return object;
}

core::FieldTexts textsFrom(const QJsonObject &object)
{
    core::FieldTexts texts;
    for (auto entry = object.begin(); entry != object.end(); ++entry)
        texts.emplace(entry.key().toStdString(), entry.value().toString().toStdString());
    return texts;
}

// The autosave file of a session: the project file's text as an object, and the windows.
QByteArray autosaveText(const project::Project &project, const QString &file, bool modified,
                        const std::vector<OpenWindowTexts> &windows)
{
    QJsonArray openWindows;
    for (const OpenWindowTexts &window : windows) {
        openWindows.append(QJsonObject{{QStringLiteral("window"), fromStd(window.window)},
                                       {QStringLiteral("case"), window.footingCase},
                                       {QStringLiteral("mark"), fromStd(window.mark)},
                                       {QStringLiteral("inputs"), textsObject(window.texts)}});
    }
    const QJsonDocument projectDocument =
        QJsonDocument::fromJson(QByteArray::fromStdString(project.toJson()));
    const QJsonObject root{
        {QStringLiteral("format"), kAutosaveFormat},
        {QStringLiteral("version"), kAutosaveVersion},
        {QStringLiteral("file"), file},
        {QStringLiteral("modified"), modified},
        {QStringLiteral("savedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {QStringLiteral("project"), projectDocument.object()},
        {QStringLiteral("windows"), openWindows},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Recovery> readAutosave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (root.value(QStringLiteral("format")).toString() != kAutosaveFormat ||
        root.value(QStringLiteral("version")).toInt() != kAutosaveVersion)
        return std::nullopt;
    Recovery recovery;
    recovery.autosaveFile = path;
    recovery.projectFile = root.value(QStringLiteral("file")).toString();
    recovery.modified = root.value(QStringLiteral("modified")).toBool();
    const QDateTime savedAt =
        QDateTime::fromString(root.value(QStringLiteral("savedAt")).toString(), Qt::ISODate);
    recovery.savedAt = QLocale().toString(savedAt.toLocalTime(), QLocale::ShortFormat);
    recovery.projectJson =
        QJsonDocument(root.value(QStringLiteral("project")).toObject()).toJson().toStdString();
    for (const QJsonValue value : root.value(QStringLiteral("windows")).toArray()) {
        const QJsonObject window = value.toObject();
        recovery.windows.push_back({window.value(QStringLiteral("window")).toString().toStdString(),
                                    window.value(QStringLiteral("case")).toInt(),
                                    window.value(QStringLiteral("mark")).toString().toStdString(),
                                    textsFrom(window.value(QStringLiteral("inputs")).toObject())});
    }
    return recovery;
}

} // namespace

ProjectSession::ProjectSession(QString autosaveFolder, QObject *parent)
    : QObject(parent), m_project(designWindows()), m_autosaveFolder(std::move(autosaveFolder)),
      m_autosaveTimer(new QTimer(this))
{
    QDir().mkpath(m_autosaveFolder);
    const QString base = QDir(m_autosaveFolder).filePath(sessionName());
    m_autosaveFile = base + QStringLiteral(".json");
    // Held for the life of the session: a later session sees from it whether this one is
    // still running or ended without cleaning up.
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);

    m_autosaveTimer->setObjectName(QStringLiteral("autosave"));
    m_autosaveTimer->setSingleShot(true);
    m_autosaveTimer->setInterval(kAutosaveDelayMs);
    connect(m_autosaveTimer, &QTimer::timeout, this, &ProjectSession::autosaveNow);
}

ProjectSession::~ProjectSession() = default;

QString ProjectSession::displayName() const
{
    return m_file.isEmpty() ? tr("Untitled") : QFileInfo(m_file).fileName();
}

bool ProjectSession::isBlank() const
{
    return m_file.isEmpty() && !m_modified && m_project.size() == 0;
}

int ProjectSession::indexOf(const std::string &mark) const
{
    const auto &footings = m_project.footings();
    const auto found = std::find_if(footings.begin(), footings.end(),
                                    [&](const project::Footing &f) { return f.mark == mark; });
    return found == footings.end() ? -1 : int(found - footings.begin());
}

void ProjectSession::setModified(bool modified)
{
    if (modified)
        autosaveSoon();
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit stateChanged();
}

std::optional<project::Problem> ProjectSession::addFooting(project::Footing footing)
{
    const int index = int(m_project.size());
    if (auto problem = m_project.insert(m_project.size(), std::move(footing)))
        return problem;
    setModified(true);
    emit footingInserted(index);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::duplicateFooting(int index)
{
    if (auto problem = m_project.duplicate(std::size_t(index)))
        return problem;
    setModified(true);
    emit footingInserted(index + 1);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::removeFooting(int index)
{
    if (auto problem = m_project.remove(std::size_t(index)))
        return problem;
    setModified(true);
    emit footingRemoved(index);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::renameFooting(int index, const std::string &mark)
{
    if (index >= 0 && std::size_t(index) < m_project.size() &&
        m_project.footings()[std::size_t(index)].mark == mark)
        return std::nullopt;
    const std::string before = index >= 0 && std::size_t(index) < m_project.size()
                                   ? m_project.footings()[std::size_t(index)].mark
                                   : std::string();
    if (auto problem = m_project.rename(std::size_t(index), mark))
        return problem;
    setModified(true);
    emit footingChanged(index);
    emit footingRenamed(before, mark);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::setFootingTexts(const std::string &mark,
                                                                const core::FieldTexts &texts)
{
    const int index = indexOf(mark);
    if (index < 0)
        return project::Problem{"There is no footing " + project::quote(mark) + ".", {}, {}};
    const project::Footing &footing = m_project.footings()[std::size_t(index)];
    const bool same = std::all_of(texts.begin(), texts.end(), [&](const auto &entry) {
        return core::textOf(footing.texts, entry.first) == entry.second;
    });
    if (same)
        return std::nullopt;
    if (auto problem = m_project.setTexts(std::size_t(index), texts))
        return problem;
    setModified(true);
    emit footingChanged(index);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::setTitle(project::TitleBlock title)
{
    if (title == m_project.title())
        return std::nullopt;
    if (auto problem = m_project.setTitle(std::move(title)))
        return problem;
    setModified(true);
    return std::nullopt;
}

std::optional<project::Problem> ProjectSession::setDefaults(const std::string &window,
                                                            core::FieldTexts texts)
{
    const auto known = m_project.defaults().find(window);
    const bool same = known == m_project.defaults().end() ? texts.empty() : known->second == texts;
    if (same)
        return std::nullopt;
    if (auto problem = m_project.setDefaults(window, std::move(texts)))
        return problem;
    setModified(true);
    return std::nullopt;
}

std::optional<project::Problem>
ProjectSession::importFootings(const project::ImportPreview &preview, bool skipBadRows)
{
    if (auto problem = project::applyImport(preview, m_project, skipBadRows))
        return problem;
    setModified(true);
    emit footingsReset();
    return std::nullopt;
}

void ProjectSession::replace(project::Project project, const QString &file, bool modified)
{
    m_project = std::move(project);
    m_file = file;
    m_modified = modified;
    emit projectReplaced();
    emit stateChanged();
    autosaveSoon();
}

bool ProjectSession::maySetAside(QWidget *parent, const QString &what)
{
    if (!m_modified)
        return true;
    const QString question =
        tr("The project %1 has changes that are not saved. Save them before %2?")
            .arg(displayName(), what);
    switch (ui::messages().askToSave(parent, tr("Unsaved changes"), question)) {
    case ui::MessageSeam::SaveAnswer::Save:
        return save(parent);
    case ui::MessageSeam::SaveAnswer::Discard:
        return true;
    case ui::MessageSeam::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool ProjectSession::newProject(QWidget *parent)
{
    if (!maySetAside(parent, tr("starting a new project")))
        return false;
    replace(project::Project(designWindows()), {}, false);
    return true;
}

QString ProjectSession::fileFolder() const
{
    return m_file.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : QFileInfo(m_file).absolutePath();
}

bool ProjectSession::openProject(QWidget *parent)
{
    if (!maySetAside(parent, tr("opening another project")))
        return false;
    const QString folder = fileFolder();
    const QString file =
        ui::messages().openFileName(parent, tr("Open Project"), folder, projectFileFilter());
    return !file.isEmpty() && load(parent, file);
}

bool ProjectSession::openFile(QWidget *parent, const QString &file)
{
    return maySetAside(parent, tr("opening another project")) && load(parent, file);
}

bool ProjectSession::load(QWidget *parent, const QString &file)
{
    project::Project opened(designWindows());
    if (const auto problem = opened.open(file.toStdString())) {
        ui::messages().warn(parent, tr("Open Project"), fromStd(problem->message));
        return false;
    }
    replace(std::move(opened), QFileInfo(file).absoluteFilePath(), false);
    rememberRecent(m_file);
    return true;
}

bool ProjectSession::save(QWidget *parent)
{
    if (m_file.isEmpty())
        return saveAs(parent);
    return writeTo(parent, m_file);
}

bool ProjectSession::saveAs(QWidget *parent)
{
    const QString folder = fileFolder();
    const QString suggested = QDir(folder).filePath(
        m_project.title().name.empty() ? tr("Untitled") + QStringLiteral(".fdn")
                                       : fromStd(m_project.title().name) + QStringLiteral(".fdn"));
    QString file =
        ui::messages().saveFileName(parent, tr("Save Project As"), suggested, projectFileFilter());
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file +=
            QString::fromUtf8(project::kFileSuffix.data(), qsizetype(project::kFileSuffix.size()));
    return writeTo(parent, QFileInfo(file).absoluteFilePath());
}

bool ProjectSession::writeTo(QWidget *parent, const QString &file)
{
    if (const auto problem = m_project.save(file.toStdString())) {
        ui::messages().warn(parent, tr("Save Project"), fromStd(problem->message));
        return false;
    }
    const bool renamed = m_file != file;
    m_file = file;
    rememberRecent(file);
    m_modified = false;
    emit stateChanged();
    if (renamed)
        autosaveSoon();
    return true;
}

QStringList ProjectSession::recentFiles() const
{
    return QSettings().value(kRecentKey).toStringList();
}

void ProjectSession::clearRecentFiles()
{
    QSettings().remove(kRecentKey);
    emit stateChanged();
}

void ProjectSession::rememberRecent(const QString &file)
{
    QStringList recent = recentFiles();
    recent.removeAll(file);
    recent.prepend(file);
    while (recent.size() > kRecentFileCount)
        recent.removeLast();
    QSettings().setValue(kRecentKey, recent);
}

// --- autosave -------------------------------------------------------------------------------

void ProjectSession::setWindowTexts(std::function<std::vector<OpenWindowTexts>()> source)
{
    m_windowTexts = std::move(source);
}

void ProjectSession::autosaveSoon()
{
    if (!m_autosaveTimer->isActive())
        m_autosaveTimer->start();
}

void ProjectSession::autosaveNow()
{
    m_autosaveTimer->stop();
    const std::vector<OpenWindowTexts> windows =
        m_windowTexts ? m_windowTexts() : std::vector<OpenWindowTexts>{};
    // Nothing to keep: an untitled, empty, unchanged project and no design window open.
    if (isBlank() && windows.empty()) {
        QFile::remove(m_autosaveFile);
        return;
    }
    QSaveFile file(m_autosaveFile);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(autosaveText(m_project, m_file, m_modified, windows)) >= 0 &&
                         file.commit();
    if (!written && !m_autosaveFailed)
        qInfo("The autosave file %s could not be written.", qPrintable(m_autosaveFile));
    m_autosaveFailed = !written;
}

void ProjectSession::endCleanly()
{
    m_autosaveTimer->stop();
    QFile::remove(m_autosaveFile);
}

std::vector<Recovery> ProjectSession::findRecoveries() const
{
    std::vector<Recovery> found;
    const QDir folder(m_autosaveFolder);
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("session-*.json")}, QDir::Files, QDir::Time);
    for (const QFileInfo &info : files) {
        if (info.absoluteFilePath() == QFileInfo(m_autosaveFile).absoluteFilePath())
            continue;
        // A session that is still running holds its lock; one that crashed or was killed
        // left a lock whose process is gone, which QLockFile takes over.
        QLockFile lock(folder.filePath(info.completeBaseName() + QStringLiteral(".lock")));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        if (auto recovery = readAutosave(info.absoluteFilePath()))
            found.push_back(std::move(*recovery));
        lock.unlock();
    }
    return found;
}

bool ProjectSession::restore(const Recovery &recovery)
{
    project::Project restored(designWindows());
    if (restored.readJson(recovery.projectJson))
        return false;
    replace(std::move(restored), recovery.projectFile, recovery.modified);
    discard(recovery);
    return true;
}

void ProjectSession::discard(const Recovery &recovery)
{
    QFile::remove(recovery.autosaveFile);
    const QFileInfo info(recovery.autosaveFile);
    QFile::remove(info.dir().filePath(info.completeBaseName() + QStringLiteral(".lock")));
}

// --- the program's session -------------------------------------------------------------------

ProjectSession &session()
{
    if (!g_session)
        installProjectSession();
    return *g_session;
}

void installProjectSession(const QString &autosaveFolder)
{
    const QString folder =
        autosaveFolder.isEmpty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                  .filePath(QStringLiteral("autosave"))
            : autosaveFolder;
    delete g_session.data();
    g_session = new ProjectSession(folder, QCoreApplication::instance());
}

QString projectFileFilter()
{
    return QCoreApplication::translate("app::ProjectSession", "Foundation projects (*.fdn)");
}

} // namespace app

#include "app/schedule_window.h"

#include "app/project_session.h"
#include "app/project_windows.h"
#include "project/project_report.h"
#include "shell/registry.h"
#include "widgets/report_painter.h"
#include "widgets/seams.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

namespace app {

namespace {

// Light backgrounds that keep black text readable, printed or on screen.
const QColor kPassColour(0xE2, 0xF0, 0xD9);
const QColor kFailColour(0xF8, 0xD7, 0xDA);
const QColor kRefusedColour(0xFF, 0xF0, 0xC2);

// How often the progress of a batch design is shown.
constexpr int kBatchTickMs = 100;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// Compares texts as people order marks: runs of digits by their value ("F2" before "F10"),
// the rest without regard to case.
int naturalCompare(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Equal values written alike compare equal; leading zeros do not count.
            QStringView digitsA = QStringView(a).mid(startA, i - startA);
            QStringView digitsB = QStringView(b).mid(startB, j - startB);
            while (digitsA.size() > 1 && digitsA.front() == u'0')
                digitsA = digitsA.mid(1);
            while (digitsB.size() > 1 && digitsB.front() == u'0')
                digitsB = digitsB.mid(1);
            if (digitsA.size() != digitsB.size())
                return digitsA.size() < digitsB.size() ? -1 : 1;
            if (const int order = digitsA.compare(digitsB); order != 0)
                return order;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

bool isUtilisationColumn(int column)
{
    return project::scheduleColumns()[std::size_t(column)].text == &project::utilisationText;
}

} // namespace

// --- BatchDesign ----------------------------------------------------------------------------

BatchDesign::BatchDesign(project::Project project) : m_project(std::move(project))
{
    m_worker = std::thread([this] {
        const project::DesignProgress progress{
            .report = [this](std::size_t done,
                             std::size_t) { m_done.store(done, std::memory_order_release); },
            .cancel = &m_cancel};
        m_rows = project::designAll(m_project, progress);
        m_finished.store(true, std::memory_order_release);
    });
}

BatchDesign::~BatchDesign()
{
    cancel();
    wait();
}

void BatchDesign::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}

std::vector<project::ScheduleRow> BatchDesign::takeRows()
{
    wait();
    if (cancelled() || m_rows.size() != m_project.size())
        return {};
    return std::move(m_rows);
}

// --- ScheduleModel --------------------------------------------------------------------------

ScheduleModel::ScheduleModel(ProjectSession &session, QObject *parent)
    : QAbstractTableModel(parent), m_session(session)
{
    connect(&session, &ProjectSession::footingInserted, this, [this](int index) {
        beginInsertRows({}, index, index);
        m_rows.insert(m_rows.begin() + index,
                      project::designFooting(m_session.project(), std::size_t(index)));
        endInsertRows();
    });
    connect(&session, &ProjectSession::footingRemoved, this, [this](int index) {
        beginRemoveRows({}, index, index);
        m_rows.erase(m_rows.begin() + index);
        endRemoveRows();
    });
    connect(&session, &ProjectSession::footingChanged, this, &ScheduleModel::redesign);
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(project::scheduleColumns().size());
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return {};
    const project::ScheduleRow &row = m_rows[std::size_t(index.row())];
    const project::ScheduleColumn &column = project::scheduleColumns()[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const QString text = fromStd(column.text(row));
        // An empty cell reads as "does not apply".
        return text.isEmpty() && role == Qt::DisplayRole ? QStringLiteral("—") : text;
    }
    case SortRole:
        if (isUtilisationColumn(index.column()))
            return row.utilisation ? QVariant(*row.utilisation) : QVariant(-1.0);
        return fromStd(column.text(row));
    case Qt::ToolTipRole:
        if (row.verdict == project::Verdict::Refused)
            return fromStd(row.reason);
        return {};
    case Qt::BackgroundRole:
        switch (row.verdict) {
        case project::Verdict::Pass:
            return kPassColour;
        case project::Verdict::Fail:
            return kFailColour;
        case project::Verdict::Refused:
            return kRefusedColour;
        case project::Verdict::Designed:
            return {};
        }
        return {};
    case Qt::ForegroundRole:
        return row.verdict == project::Verdict::Designed ? QVariant() : QVariant(QColor(Qt::black));
    case Qt::TextAlignmentRole:
        if (column.numeric)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || std::size_t(section) >= project::scheduleColumns().size())
        return {};
    const std::string_view heading = project::scheduleColumns()[std::size_t(section)].heading;
    return QString::fromUtf8(heading.data(), qsizetype(heading.size()));
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == markColumn())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ScheduleModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != markColumn())
        return false;
    if (const auto problem = m_session.renameFooting(index.row(), value.toString().toStdString())) {
        emit renameRefused(fromStd(problem->message));
        return false;
    }
    return true;
}

void ScheduleModel::redesign(int index)
{
    if (index < 0 || std::size_t(index) >= m_rows.size())
        return;
    m_rows[std::size_t(index)] = project::designFooting(m_session.project(), std::size_t(index));
    emit dataChanged(this->index(index, 0), this->index(index, columnCount() - 1));
}

void ScheduleModel::setRows(std::vector<project::ScheduleRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ScheduleModel::designAll()
{
    setRows(project::designAll(m_session.project()));
}

QString ScheduleModel::summary() const
{
    int pass = 0, fail = 0, refused = 0;
    for (const project::ScheduleRow &row : m_rows) {
        pass += row.verdict == project::Verdict::Pass;
        fail += row.verdict == project::Verdict::Fail;
        refused += row.verdict == project::Verdict::Refused;
    }
    const QString count =
        m_rows.size() == 1 ? tr("1 footing") : tr("%1 footings").arg(m_rows.size());
    return tr("%1: %2 pass, %3 fail, %4 refused").arg(count).arg(pass).arg(fail).arg(refused);
}

// --- ScheduleSortModel ----------------------------------------------------------------------

bool ScheduleSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(ScheduleModel::SortRole);
    const QVariant b = right.data(ScheduleModel::SortRole);
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return naturalCompare(a.toString(), b.toString()) < 0;
}

// --- ScheduleWindow -------------------------------------------------------------------------

ScheduleWindow::ScheduleWindow(ProjectSession &session)
    : m_session(session), m_model(new ScheduleModel(session, this)),
      m_sort(new ScheduleSortModel(this)), m_view(new QTableView(this)), m_status(new QLabel(this)),
      m_batchTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("schedule"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_sort->setSourceModel(m_model);
    m_view->setObjectName(QStringLiteral("footings"));
    m_view->setModel(m_sort);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder); // the project's order until a head is clicked
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_view->setAlternatingRowColors(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    setCentralWidget(m_view);
    m_status->setObjectName(QStringLiteral("status"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);

    m_batchTimer->setObjectName(QStringLiteral("batch"));
    m_batchTimer->setInterval(kBatchTickMs);
    connect(m_batchTimer, &QTimer::timeout, this, &ScheduleWindow::batchTick);

    buildActions();
    connect(m_view, &QTableView::activated, this, [this] { openCurrent(); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ScheduleWindow::updateActions);
    connect(m_model, &ScheduleModel::renameRefused, this, [this](const QString &message) {
        ui::messages().warn(this, tr("Rename Footing"), message);
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &ScheduleWindow::updateStatus);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ScheduleWindow::updateStatus);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ScheduleWindow::updateStatus);
    // Columns as wide as their texts (Qt looks at the first thousand rows or so).
    connect(m_model, &QAbstractItemModel::modelReset, m_view, &QTableView::resizeColumnsToContents);
    connect(&session, &ProjectSession::projectReplaced, this, &ScheduleWindow::designAll);
    connect(&session, &ProjectSession::footingsReset, this, &ScheduleWindow::designAll);
    connect(&session, &ProjectSession::stateChanged, this, &ScheduleWindow::updateTitle);
    connect(&session, &ProjectSession::footingInserted, this, &ScheduleWindow::selectFooting);
    // An edit while the worker designs its copy of the project makes its rows out of date.
    for (auto signal : {&ProjectSession::footingInserted, &ProjectSession::footingRemoved,
                        &ProjectSession::footingChanged})
        connect(&session, signal, this, [this] { m_batchOutOfDate = m_batch != nullptr; });

    updateTitle();
    designAll();
    resize(1100, 520);
}

ScheduleWindow::~ScheduleWindow()
{
    cancelBatch();
}

void ScheduleWindow::buildActions()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("file"));
    addProjectEntries(*file, *this, nullptr);
    file->addSeparator();
    QAction *report = file->addAction(tr("Save Calculation &Report as PDF…"), this,
                                      &ScheduleWindow::saveProjectReport);
    report->setObjectName(QStringLiteral("projectReport"));
    file->addSeparator();
    QAction *close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("close"));
    close->setShortcut(QKeySequence::Close);

    QMenu *footing = menuBar()->addMenu(tr("F&ooting"));
    footing->setObjectName(QStringLiteral("footing"));
    QToolBar *tools = addToolBar(tr("Footings"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](const QString &name, const QString &text, const QKeySequence &key,
                         void (ScheduleWindow::*handler)()) {
        QAction *action = footing->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        tools->addAction(action);
        return action;
    };
    add(QStringLiteral("open"), tr("&Open in Design Window"),
        QKeySequence(Qt::CTRL | Qt::Key_Return), &ScheduleWindow::openCurrent);
    add(QStringLiteral("duplicate"), tr("D&uplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
        &ScheduleWindow::duplicateCurrent);
    add(QStringLiteral("rename"), tr("&Rename"), QKeySequence(Qt::Key_F2),
        &ScheduleWindow::renameCurrent);
    add(QStringLiteral("delete"), tr("&Delete"), QKeySequence::Delete,
        &ScheduleWindow::deleteCurrent);
    footing->addSeparator();
    tools->addSeparator();
    add(QStringLiteral("designAll"), tr("Design &All"), QKeySequence(Qt::Key_F5),
        &ScheduleWindow::designAll);
    updateActions();
}

QAction *ScheduleWindow::action(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

QString ScheduleWindow::statusText() const
{
    return m_status->text();
}

int ScheduleWindow::currentFooting() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_sort->mapToSource(current).row() : -1;
}

void ScheduleWindow::selectFooting(int index)
{
    const QModelIndex row = m_sort->mapFromSource(m_model->index(index, 0));
    if (!row.isValid())
        return;
    m_view->setCurrentIndex(row);
    m_view->scrollTo(row);
}

void ScheduleWindow::updateTitle()
{
    setWindowTitle(tr("Footing Schedule — %1[*]").arg(m_session.displayName()));
    setWindowModified(m_session.isModified());
}

void ScheduleWindow::updateStatus()
{
    m_status->setText(m_batch ? tr("Designing %1 footings…").arg(m_batch->total())
                              : m_model->summary());
    updateActions();
}

void ScheduleWindow::updateActions()
{
    const bool hasCurrent = currentFooting() >= 0 && !m_batch;
    for (const char *name : {"open", "duplicate", "rename", "delete"})
        action(QString::fromLatin1(name))->setEnabled(hasCurrent);
    action(QStringLiteral("designAll"))->setEnabled(!m_batch && m_model->rowCount() > 0);
}

void ScheduleWindow::openCurrent()
{
    if (const int index = currentFooting(); index >= 0)
        openFooting(index, this);
}

void ScheduleWindow::duplicateCurrent()
{
    if (const int index = currentFooting(); index >= 0) {
        if (const auto problem = m_session.duplicateFooting(index))
            ui::messages().warn(this, tr("Duplicate Footing"), fromStd(problem->message));
    }
}

void ScheduleWindow::renameCurrent()
{
    const int index = currentFooting();
    if (index < 0)
        return;
    const QModelIndex mark =
        m_sort->mapFromSource(m_model->index(index, ScheduleModel::markColumn()));
    m_view->setCurrentIndex(mark);
    m_view->edit(mark);
}

void ScheduleWindow::deleteCurrent()
{
    const int index = currentFooting();
    if (index < 0)
        return;
    const QString mark = fromStd(m_session.project().footings()[std::size_t(index)].mark);
    if (!ui::messages().ask(this, tr("Delete Footing"),
                            tr("Delete the footing %1 from the project?").arg(mark)))
        return;
    if (const auto problem = m_session.removeFooting(index))
        ui::messages().warn(this, tr("Delete Footing"), fromStd(problem->message));
}

void ScheduleWindow::saveProjectReport()
{
    const project::TitleBlock &title = m_session.project().title();
    const QString name = title.name.empty() ? QFileInfo(m_session.displayName()).completeBaseName()
                                            : fromStd(title.name);
    const QString file = ui::PagePrinter::askPdfFileName(this, tr("Save Calculation Report as PDF"),
                                                         name + tr(" - calculation"));
    if (file.isEmpty())
        return;
    QString error;
    if (!ui::writeProjectReportPdf(project::buildProjectReport(m_session.project()), file,
                                   &error)) {
        ui::messages().warn(this, tr("Save Calculation Report as PDF"), error);
        return;
    }
    ui::PagePrinter::rememberPdfFolder(file);
    m_status->setText(tr("The calculation report of %1 footings was saved as %2.")
                          .arg(m_session.project().size())
                          .arg(QFileInfo(file).fileName()));
}

void ScheduleWindow::designAll()
{
    cancelBatch();
    m_batchOutOfDate = false;
    const int count = int(m_session.project().size());
    if (count <= kBackgroundDesignFrom) {
        m_model->designAll();
        return;
    }
    // Until the batch is done the table lists the marks alone.
    std::vector<project::ScheduleRow> marks;
    marks.reserve(std::size_t(count));
    for (const project::Footing &footing : m_session.project().footings())
        marks.push_back({.mark = footing.mark});
    m_model->setRows(std::move(marks));
    m_batch = std::make_unique<BatchDesign>(m_session.project());
    m_progress =
        new QProgressDialog(tr("Designing %1 footings…").arg(count), tr("Cancel"), 0, count, this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setWindowTitle(tr("Design All"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(500);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        cancelBatch();
        updateActions();
        m_status->setText(tr("Design All was cancelled: the table lists the marks alone. "
                             "Press F5 to design every footing."));
    });
    m_batchTimer->start();
    updateStatus();
}

void ScheduleWindow::batchTick()
{
    if (!m_batch)
        return;
    if (m_progress)
        m_progress->setValue(int(m_batch->done()));
    if (!m_batch->finished())
        return;
    m_batchTimer->stop();
    std::vector<project::ScheduleRow> rows = m_batch->takeRows();
    const bool complete = !m_batchOutOfDate && rows.size() == m_session.project().size();
    m_batch.reset();
    m_batchOutOfDate = false;
    if (m_progress) {
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    // The project may have changed while the worker designed its copy: then design again.
    if (complete)
        m_model->setRows(std::move(rows));
    else
        designAll();
    updateStatus();
}

void ScheduleWindow::cancelBatch()
{
    m_batchTimer->stop();
    m_batch.reset();
    if (m_progress) {
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

void ScheduleWindow::closeEvent(QCloseEvent *event)
{
    cancelBatch();
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    // The program goes on while a window of the registry is open; this was the last window.
    hide();
    shell::endIfNothingOpen();
}

} // namespace app

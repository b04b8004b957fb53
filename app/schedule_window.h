#pragma once

#include "project/schedule.h"

#include <QAbstractTableModel>
#include <QMainWindow>
#include <QSortFilterProxyModel>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class QAction;
class QLabel;
class QProgressDialog;
class QTableView;
class QTimer;

namespace app {

class ProjectSession;

// Designs a copy of a project's footings on a worker thread: the GUI asks how far it got,
// may cancel it, and takes the rows when it is done. Destroying it cancels and waits.
class BatchDesign
{
public:
    explicit BatchDesign(project::Project project);
    ~BatchDesign();
    BatchDesign(const BatchDesign &) = delete;
    BatchDesign &operator=(const BatchDesign &) = delete;

    std::size_t total() const { return m_project.size(); }
    std::size_t done() const { return m_done.load(std::memory_order_acquire); }
    bool finished() const { return m_finished.load(std::memory_order_acquire); }
    void cancel() { m_cancel.store(true, std::memory_order_release); }
    bool cancelled() const { return m_cancel.load(std::memory_order_acquire); }
    // Waits for the worker to stop (tests, and before taking the rows).
    void wait();
    // The rows of every footing, once finished and not cancelled.
    std::vector<project::ScheduleRow> takeRows();

private:
    project::Project m_project;
    std::vector<project::ScheduleRow> m_rows;
    std::atomic<std::size_t> m_done{0};
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_finished{false};
    std::thread m_worker;
};

// The footing schedule as a table: one row per footing of the session's project, in the
// project's order, the columns of the schedule CSV. Each row is the design of its footing:
// every footing is designed again when it changes, and the whole project on Design All.
// The rows are coloured by their verdict; the mark can be edited in place (a rename).
class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Sorting by a column sorts by this role: numbers as numbers, texts as texts.
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit ScheduleModel(ProjectSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    const project::ScheduleRow &row(int index) const { return m_rows.at(std::size_t(index)); }
    // Takes the rows of a whole design of the project (Design All).
    void setRows(std::vector<project::ScheduleRow> rows);
    // Designs every footing here, on this thread.
    void designAll();
    // "8 footings: 7 pass, 1 fail, 0 refused".
    QString summary() const;

    static int markColumn() { return 0; }

signals:
    // A rename was refused: the message says why.
    void renameRefused(const QString &message);

private:
    void redesign(int index);

    ProjectSession &m_session;
    std::vector<project::ScheduleRow> m_rows;
};

// Sorts marks and texts as people do ("F2" before "F10"), numbers by value.
class ScheduleSortModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

// The footing schedule of the open project: a sortable table of its footings with Open (in
// the footing's design window), Duplicate, Rename, Delete and Design All, and the project's
// File menu. A large project is designed on a worker thread behind a progress dialog with
// Cancel.
class ScheduleWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Projects with more footings than this are designed on a worker thread.
    static constexpr int kBackgroundDesignFrom = 2000;

    explicit ScheduleWindow(ProjectSession &session);
    ~ScheduleWindow() override;

    QTableView *view() const { return m_view; }
    ScheduleModel *model() const { return m_model; }
    QSortFilterProxyModel *sortModel() const { return m_sort; }
    QAction *action(const QString &name) const;
    QString statusText() const;

    // The footing of the table's current row, by its position in the project; -1 when none.
    int currentFooting() const;
    void selectFooting(int index);

    void openCurrent();
    void duplicateCurrent();
    void renameCurrent();
    void deleteCurrent();
    void designAll();
    // The schedule and the calculation of every footing designed, as one PDF file.
    void saveProjectReport();

    // The batch design on the worker thread, while it runs.
    BatchDesign *batch() const { return m_batch.get(); }
    // One tick of the progress timer: shows how far the batch got, takes its rows when done.
    void batchTick();
    QProgressDialog *progress() const { return m_progress; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void updateTitle();
    void updateStatus();
    void updateActions();
    void cancelBatch();

    ProjectSession &m_session;
    ScheduleModel *m_model;
    ScheduleSortModel *m_sort;
    QTableView *m_view;
    QLabel *m_status;
    std::unique_ptr<BatchDesign> m_batch;
    bool m_batchOutOfDate = false;
    QProgressDialog *m_progress = nullptr;
    QTimer *m_batchTimer;
};

} // namespace app

#pragma once

#include "project/reactions.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace app {

class ProjectSession;

// The footings an import would add, one row each: mark, support, P, M, the column's sides,
// the case and the row of the table that governs.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPreview(const project::ImportPreview *preview);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const project::ImportPreview *m_preview = nullptr;
};

// Imports a table of support reactions into the open project as isolated footings: the table
// from a file or pasted from a spreadsheet, its columns mapped to the support's label, P, M
// and the column's sides, the units of its loads, the row that governs each support and the
// case of footings with a moment. Before anything changes it previews the footings it would
// add and lists the rows it cannot read, by line; it imports them all, or with the user's
// consent all but the rows listed, or nothing.
class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportDialog(ProjectSession &session, QWidget *parent = nullptr);

    // The table's text, as a file or the clipboard gives it; `source` says where it is from.
    void setTable(const QString &text, const QString &source);
    // Browse…: a file through the message seam's file dialog.
    void chooseFile();
    // Paste: the clipboard's text, as a spreadsheet copies its cells.
    void pasteTable();

    QComboBox *columnList(const char *name) const; // "mark", "load", "moment", "sideT", "sideB"
    QComboBox *unitsList() const { return m_units; }
    QComboBox *ruleList() const { return m_rule; }
    QComboBox *caseList() const { return m_case; }
    QCheckBox *skipBadRows() const { return m_skip; }
    QPushButton *importButton() const;
    QListWidget *badRowList() const { return m_badRows; }
    QTableView *previewView() const { return m_view; }
    const project::ImportPreview &preview() const { return m_preview; }
    QString summaryText() const;

    // Import: adds the footings to the session's project (or says why it cannot).
    void accept() override;

private:
    void guessColumns();
    void updatePreview();
    project::ImportOptions options() const;

    ProjectSession &m_session;
    std::string m_text;
    project::Table m_table;
    project::ImportPreview m_preview;
    ImportPreviewModel *m_model;
    QLabel *m_source;
    QComboBox *m_mark;
    QComboBox *m_load;
    QComboBox *m_moment;
    QComboBox *m_sideT;
    QComboBox *m_sideB;
    QComboBox *m_units;
    QComboBox *m_rule;
    QComboBox *m_case;
    QTableView *m_view;
    QListWidget *m_badRows;
    QLabel *m_summary;
    QCheckBox *m_skip;
    QDialogButtonBox *m_buttons;
};

// Opens the import beside `parent`; an import that comes in shows the footing schedule.
ImportDialog *importReactions(QWidget *parent);

} // namespace app

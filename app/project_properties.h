#pragma once

#include "project/project.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace app {

// The title block of the project: its name, designer, date and notes, which head the
// schedule and every printed calculation.
class ProjectProperties : public QDialog
{
    Q_OBJECT
public:
    ProjectProperties(const project::TitleBlock &title, QWidget *parent = nullptr);

    project::TitleBlock title() const;
    QLineEdit *nameField() const { return m_name; }
    QLineEdit *designerField() const { return m_designer; }
    QLineEdit *dateField() const { return m_date; }
    QPlainTextEdit *notesField() const { return m_notes; }

private:
    QLineEdit *m_name;
    QLineEdit *m_designer;
    QLineEdit *m_date;
    QPlainTextEdit *m_notes;
};

// Opens the properties of the session's project beside `parent`; OK stores them.
ProjectProperties *editProjectProperties(QWidget *parent);

} // namespace app

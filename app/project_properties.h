#pragma once

#include "project/project.h"

#include <QDialog>
#include <map>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace app {

class ProjectSession;

// The properties of the open project: its title block (name, designer, date and notes, which
// head the schedule and every printed calculation) and, a tab for each design window, the
// texts its new footings start with in place of the window's own (materials, cover,
// thicknesses, bars: what every footing imported from a table of reactions gets). A field
// left empty keeps the window's default, which it shows greyed. OK stores all of it, or
// says what is wrong and stores nothing.
class ProjectProperties : public QDialog
{
    Q_OBJECT
public:
    explicit ProjectProperties(ProjectSession &session, QWidget *parent = nullptr);

    project::TitleBlock title() const;
    // The defaults typed for a window, by control; fields left empty are not among them.
    core::FieldTexts defaults(const std::string &window) const;

    QLineEdit *nameField() const { return m_name; }
    QLineEdit *designerField() const { return m_designer; }
    QLineEdit *dateField() const { return m_date; }
    QPlainTextEdit *notesField() const { return m_notes; }
    QTabWidget *tabs() const { return m_tabs; }
    // The field of a window's default for a control.
    QLineEdit *defaultField(const std::string &window, const std::string &control) const;

    void accept() override;

private:
    QWidget *defaultsPage(const core::DesignWindowInfo &window);

    ProjectSession &m_session;
    QTabWidget *m_tabs;
    QLineEdit *m_name;
    QLineEdit *m_designer;
    QLineEdit *m_date;
    QPlainTextEdit *m_notes;
    std::map<std::string, std::map<std::string, QLineEdit *>> m_defaults;
};

// Opens the properties of the session's project beside `parent`.
ProjectProperties *editProjectProperties(QWidget *parent);

} // namespace app

#include "app/project_properties.h"

#include "app/project_session.h"
#include "widgets/seams.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace app {

ProjectProperties::ProjectProperties(const project::TitleBlock &title, QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(QString::fromStdString(title.name), this)),
      m_designer(new QLineEdit(QString::fromStdString(title.designer), this)),
      m_date(new QLineEdit(QString::fromStdString(title.date), this)),
      m_notes(new QPlainTextEdit(QString::fromStdString(title.notes), this))
{
    setObjectName(QStringLiteral("projectProperties"));
    setWindowTitle(tr("Project Properties"));
    m_date->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
    m_notes->setTabChangesFocus(true);
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Project:"), m_name);
    form->addRow(tr("&Designer:"), m_designer);
    form->addRow(tr("D&ate:"), m_date);
    form->addRow(tr("&Notes:"), m_notes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

project::TitleBlock ProjectProperties::title() const
{
    return {m_name->text().toStdString(), m_designer->text().toStdString(),
            m_date->text().toStdString(), m_notes->toPlainText().toStdString()};
}

ProjectProperties *editProjectProperties(QWidget *parent)
{
    auto *dialog = new ProjectProperties(session().project().title(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, parent, [dialog, parent] {
        if (const auto problem = session().setTitle(dialog->title()))
            ui::messages().warn(parent, dialog->windowTitle(),
                                QString::fromStdString(problem->message));
    });
    dialog->open();
    return dialog;
}

} // namespace app

#include "app/project_properties.h"

#include "app/project_session.h"
#include "widgets/seams.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

namespace {

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Isolated", "Strip", ... as a tab names a window.
QString tabName(const core::DesignWindowInfo &window)
{
    QString name = fromStd(window.command);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

ProjectProperties::ProjectProperties(ProjectSession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_tabs(new QTabWidget(this)),
      m_name(new QLineEdit(this)), m_designer(new QLineEdit(this)), m_date(new QLineEdit(this)),
      m_notes(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("projectProperties"));
    setWindowTitle(tr("Project Properties"));
    const project::TitleBlock &title = session.project().title();
    m_name->setText(fromStd(title.name));
    m_designer->setText(fromStd(title.designer));
    m_date->setText(fromStd(title.date));
    m_date->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
    m_notes->setPlainText(fromStd(title.notes));
    m_notes->setTabChangesFocus(true);
    auto *titlePage = new QWidget(m_tabs);
    auto *form = new QFormLayout(titlePage);
    form->addRow(tr("&Project:"), m_name);
    form->addRow(tr("&Designer:"), m_designer);
    form->addRow(tr("D&ate:"), m_date);
    form->addRow(tr("&Notes:"), m_notes);
    m_tabs->addTab(titlePage, tr("Title Block"));
    for (const core::DesignWindowInfo *window : session.project().windows())
        m_tabs->addTab(defaultsPage(*window), tabName(*window));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(560, 520);
}

QWidget *ProjectProperties::defaultsPage(const core::DesignWindowInfo &window)
{
    auto *scroll = new QScrollArea(m_tabs);
    scroll->setWidgetResizable(true);
    auto *page = new QWidget(scroll);
    auto *form = new QFormLayout(page);
    auto *about = new QLabel(tr("New footings of this window, added or imported, start with "
                                "these texts; an empty field keeps the window's own."),
                             page);
    about->setWordWrap(true);
    form->addRow(about);
    const auto known = m_session.project().defaults().find(window.command);
    for (const core::InputField &input : window.inputs) {
        auto *field = new QLineEdit(page);
        const std::string control(input.control);
        field->setObjectName(fromStd(window.command) + QLatin1Char('.') + fromStd(control));
        field->setPlaceholderText(fromStd(core::defaultText(window, control)));
        if (known != m_session.project().defaults().end())
            field->setText(fromStd(core::textOf(known->second, control)));
        form->addRow(fromStd(input.caption), field);
        m_defaults[std::string(window.command)][control] = field;
    }
    scroll->setWidget(page);
    return scroll;
}

project::TitleBlock ProjectProperties::title() const
{
    return {m_name->text().toStdString(), m_designer->text().toStdString(),
            m_date->text().toStdString(), m_notes->toPlainText().toStdString()};
}

core::FieldTexts ProjectProperties::defaults(const std::string &window) const
{
    core::FieldTexts texts;
    const auto fields = m_defaults.find(window);
    if (fields == m_defaults.end())
        return texts;
    for (const auto &[control, field] : fields->second) {
        if (const QString text = field->text().trimmed(); !text.isEmpty())
            texts.emplace(control, text.toStdString());
    }
    return texts;
}

QLineEdit *ProjectProperties::defaultField(const std::string &window,
                                           const std::string &control) const
{
    const auto fields = m_defaults.find(window);
    if (fields == m_defaults.end())
        return nullptr;
    const auto field = fields->second.find(control);
    return field == fields->second.end() ? nullptr : field->second;
}

void ProjectProperties::accept()
{
    // Everything is tried on a copy first, so a refused field stores nothing.
    project::Project trial = m_session.project();
    std::optional<project::Problem> problem = trial.setTitle(title());
    for (const auto &[window, fields] : m_defaults) {
        if (!problem)
            problem = trial.setDefaults(window, defaults(window));
    }
    if (problem) {
        ui::messages().warn(this, windowTitle(), fromStd(problem->message));
        return;
    }
    m_session.setTitle(title());
    for (const auto &[window, fields] : m_defaults)
        m_session.setDefaults(window, defaults(window));
    QDialog::accept();
}

ProjectProperties *editProjectProperties(QWidget *parent)
{
    auto *dialog = new ProjectProperties(session(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

} // namespace app

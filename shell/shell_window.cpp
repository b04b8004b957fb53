#include "shell/shell_window.h"

#include "shell/registry.h"
#include "widgets/apply_run.h"
#include "widgets/controls.h"
#include "widgets/focus_order.h"
#include "widgets/report_preview.h"
#include "widgets/seams.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

namespace shell {

namespace {

Qt::WindowFlags flagsFor(FrameStyle frame)
{
    const Qt::WindowFlags base = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (frame) {
    case FrameStyle::Normal:
        return base | Qt::WindowMinimizeButtonHint;
    case FrameStyle::FixedSingle:
        return base;
    case FrameStyle::FixedDialog:
        return base | Qt::Dialog;
    case FrameStyle::None:
        return Qt::Window | Qt::FramelessWindowHint;
    }
    return base;
}

} // namespace

ShellWindow::ShellWindow(WindowKind kind, std::span<const core::Control> table)
    : QMainWindow(nullptr, flagsFor(info(kind).frame)), m_kind(kind)
{
    const WindowInfo &window = info(kind);
    setObjectName(QString::fromUtf8(window.name.data(), qsizetype(window.name.size())));
    setWindowTitle(QString::fromUtf8(window.caption.data(), qsizetype(window.caption.size())));
    // The client area keeps its designed size: a smaller window shows its upper-left part.
    auto *area = new QWidget(this);
    m_form = new ui::Form(table, window.clientWidth, window.clientHeight, area);
    setCentralWidget(area);
    wireActions();
    setDesignSize();
    if (window.frame == FrameStyle::FixedSingle || window.frame == FrameStyle::FixedDialog)
        setFixedSize(size());
}

void ShellWindow::wireActions()
{
    for (QWidget *control : m_form->controlsWith(core::Action::Design)) {
        if (auto *button = qobject_cast<QPushButton *>(control))
            connect(button, &QPushButton::clicked, this, [this] { runDesign(); });
        else if (auto *list = qobject_cast<QComboBox *>(control))
            connect(list, &QComboBox::activated, this, [this] { runDesign(); });
    }
    for (QWidget *control : m_form->controlsWith(core::Action::Back)) {
        if (auto *button = qobject_cast<QPushButton *>(control))
            connect(button, &QPushButton::clicked, this, [this] { backToMain(m_kind); });
    }
    for (QWidget *control : m_form->controlsWith(core::Action::Print)) {
        if (auto *button = qobject_cast<QPushButton *>(control))
            connect(button, &QPushButton::clicked, this, [this] { printWindow(m_kind); });
    }
    for (QWidget *control : m_form->controlsWith(core::Action::Exit)) {
        if (auto *button = qobject_cast<QPushButton *>(control))
            connect(button, &QPushButton::clicked, this, [] { endProgram(); });
    }
}

QMargins ShellWindow::decorationMargins() const
{
    if (info(m_kind).frame == FrameStyle::None)
        return {};
    if (const QWindow *handle = windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    // Until the window manager has framed the window: a typical border and title bar.
    return {4, 30, 4, 4};
}

void ShellWindow::setOuterSize(int widthTwips, int heightTwips)
{
    const QMargins frame = decorationMargins();
    resize(core::px(widthTwips) - frame.left() - frame.right(), height());
    resize(width(), core::px(heightTwips) - frame.top() - frame.bottom() + addedChromeHeight());
}

void ShellWindow::setDesignSize()
{
    resize(m_form->width(), m_form->height() + chromeHeight());
}

int ShellWindow::chromeHeight() const
{
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const auto *status = findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
    return menu + (status ? status->sizeHint().height() : 0);
}

int ShellWindow::addedChromeHeight() const
{
    const int designedMenu =
        info(m_kind).menuBar && menuWidget() ? menuWidget()->sizeHint().height() : 0;
    return chromeHeight() - designedMenu;
}

QStatusBar *ShellWindow::addStatusLine()
{
    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    setStatusBar(status);
    return status;
}

void ShellWindow::centre()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = decorationMargins();
    const QSize outer = size().grownBy(frame);
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void ShellWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the registry hides and destroys the window
    windowClosedByUser(m_kind);
}

void ShellWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Cases hide and move controls before the window shows: Tab follows what is there.
    ui::orderFocusByReading(*m_form);
    // The keyboard starts at the first control of the form.
    if (!focusWidget()) {
        for (QWidget *control : ui::readingOrder(*m_form)) {
            if (control->isVisibleTo(this) && (control->focusPolicy() & Qt::TabFocus)) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

// --- DesignWindow ---------------------------------------------------------------------------

DesignWindow::DesignWindow(WindowKind kind, const core::DesignWindowInfo &design)
    : ShellWindow(kind, design.controls), m_info(design)
{
    buildMenu();
    QStatusBar *status = addStatusLine();
    m_status = new QLabel(status);
    m_status->setObjectName(QStringLiteral("status"));
    // A long line is cut at the window's edge rather than widening the window.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->addWidget(m_status, 1);
    watchInputs();
    setDesignSize();
}

void DesignWindow::buildMenu()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("file"));
    auto addEntry = [this](const QString &name, const QString &text,
                           const QList<QKeySequence> &shortcuts, auto handler) {
        QAction *action = m_fileMenu->addAction(text);
        action->setObjectName(name);
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, handler);
    };
    addEntry(QStringLiteral("report"), tr("&Report…"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
             [this] { showReport(); });
    addEntry(QStringLiteral("print"), tr("&Print"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
             [this] { printWindow(kind()); });
    addEntry(QStringLiteral("back"), tr("&Back"), {QKeySequence(Qt::ALT | Qt::Key_Left)},
             [this] { backToMain(kind()); });
    m_fileMenu->addSeparator();
    // Ctrl+E as in the main window, and Ctrl+Q as in most programs.
    addEntry(QStringLiteral("exit"), tr("E&xit"),
             {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_Q)},
             [] { endProgram(); });
}

QAction *DesignWindow::menuAction(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

void DesignWindow::watchInputs()
{
    for (const core::InputField &input : m_info.inputs) {
        if (!form().has(input.control))
            continue;
        QWidget *field = control(input.control);
        field->installEventFilter(this);
        const auto changed = [this] {
            updateResultState();
            emit inputsChanged();
        };
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
        } else if (auto *list = qobject_cast<QComboBox *>(field)) {
            if (list->lineEdit())
                list->lineEdit()->installEventFilter(this);
            connect(list, &QComboBox::editTextChanged, this, changed);
            connect(list, &QComboBox::currentTextChanged, this, changed);
        } else if (auto *option = qobject_cast<QRadioButton *>(field)) {
            connect(option, &QRadioButton::toggled, this, changed);
        }
    }
}

bool DesignWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            runDesign();
            return true;
        }
    }
    return ShellWindow::eventFilter(watched, event);
}

core::DesignRequest DesignWindow::request() const
{
    core::DesignRequest request;
    request.footingCase = m_footingCase;
    for (const core::InputField &input : m_info.inputs) {
        if (const QWidget *field = control(input.control))
            request.texts.emplace(std::string(input.control), ui::inputText(field).toStdString());
    }
    return request;
}

void DesignWindow::runDesign()
{
    core::DesignRequest designed = request();
    core::DesignResult result = m_info.design(designed);
    if (!result.accepted()) {
        ui::messages().warn(this, windowTitle(), QString::fromStdString(result.refusal->message));
        focusRefusedField(result.refusal->control);
        return;
    }
    ui::applyRun(form(), result.run);
    m_applied = Applied{std::move(designed), std::move(result.run)};
    const core::Run &run = m_applied->run;

    m_designedTexts = request().texts;
    m_results.clear();
    for (const core::Event &event : run.events()) {
        if (event.kind != core::Event::Kind::SetText || !form().has(event.target))
            continue;
        if (auto *caption = qobject_cast<ui::CaptionLabel *>(control(event.target));
            caption && !m_results.contains(caption))
            m_results.append(caption);
    }
    m_warnings.clear();
    for (const core::Warning &warning : run.warnings())
        m_warnings.append(QString::fromStdString(warning.text));
    updateResultState();
    // A run may show or hide lists and fields.
    ui::orderFocusByReading(form());
    emit designApplied();
}

void DesignWindow::setReportTitle(std::function<report::TitleBlock()> provider)
{
    m_reportTitle = std::move(provider);
}

report::TitleBlock DesignWindow::reportTitle() const
{
    return report::withDefaults(m_reportTitle ? m_reportTitle() : report::TitleBlock());
}

std::optional<report::Report> DesignWindow::appliedReport() const
{
    if (!m_applied)
        return std::nullopt;
    return report::build(m_info, m_applied->request, m_applied->run, reportTitle());
}

void DesignWindow::showReport()
{
    if (!m_applied || m_outOfDate) {
        runDesign();
        // Refused: its message is on show, and the results on show (if any) are not of the
        // inputs on show.
        if (!m_applied || m_outOfDate)
            return;
    }
    if (m_preview)
        m_preview->close();
    m_preview = new ui::ReportPreview(*appliedReport(), this);
    m_preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview->open();
}

ui::ReportPreview *DesignWindow::reportPreview() const
{
    return m_preview;
}

void DesignWindow::focusRefusedField(const std::string &name)
{
    if (name.empty() || !form().has(name))
        return;
    QWidget *field = control(name);
    ui::revealControl(field);
    if (!field->isVisibleTo(this))
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

void DesignWindow::updateResultState()
{
    m_outOfDate = m_designedTexts && *m_designedTexts != request().texts;
    for (const QPointer<ui::CaptionLabel> &caption : m_results) {
        if (caption)
            caption->setStale(m_outOfDate);
    }
    m_status->setText(statusText());
    m_status->setToolTip(statusText());
}

QString DesignWindow::statusText() const
{
    if (m_outOfDate)
        return tr("Out of date: the inputs have changed since these results were designed. "
                  "Press Enter or Design to update them.");
    return m_warnings.join(QLatin1Char(' '));
}

} // namespace shell

#include "shell/shell_window.h"

#include "shell/registry.h"
#include "widgets/apply_run.h"
#include "widgets/controls.h"
#include "widgets/seams.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
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
    resize(width(), core::px(heightTwips) - frame.top() - frame.bottom());
}

void ShellWindow::setDesignSize()
{
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(m_form->width(), m_form->height() + menu);
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

DesignWindow::DesignWindow(WindowKind kind, const core::DesignWindowInfo &design)
    : ShellWindow(kind, design.controls), m_info(design)
{}

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
    const core::DesignResult result = m_info.design(request());
    if (!result.accepted()) {
        ui::messages().warn(this, windowTitle(), QString::fromStdString(result.refusal->message));
        return;
    }
    ui::applyRun(form(), result.run);
    emit designApplied();
}

} // namespace shell

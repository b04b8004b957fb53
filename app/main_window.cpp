#include "app/main_window.h"

#include "app/app_drawings.h"
#include "app/info_windows.h"
#include "app/shell_tables.h"
#include "shell/registry.h"
#include "widgets/controls.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace app {

namespace {

int g_creditOffset = 0;

// Form2 is opened at 7300 x 9400 twips from the main window.

// The credit line returns to the right-hand side when it reaches this Left.
constexpr int kCreditTurn = -4500;
constexpr int kCreditRestart = 7500;
constexpr int kCreditStep = 100;

} // namespace

int creditOffset()
{
    return g_creditOffset;
}

void resetCreditOffset()
{
    g_creditOffset = 0;
}

QString MainWindow::latinCredit()
{
    return QStringLiteral("Designed By Eng. Amin Al-Qawaed");
}

QString MainWindow::arabicCredit()
{
    return QStringLiteral("تصميم المهندس أمين القواعد");
}

MainWindow::MainWindow()
    : ShellWindow(shell::WindowKind::MainWindow, tables::kForm1), m_timer(new QTimer(this))
{
    find<ui::PictureBox>("Picture1")->setDrawing(drawings::mainPicture);
    find<ui::CaptionLabel>("Label2")->setCaption(latinCredit());
    connect(find<QPushButton>("Command1"), &QPushButton::clicked, this,
            &MainWindow::chooseFoundationType);
    buildMenu();
    setDesignSize();

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::creditTick);
    m_timer->start();
}

void MainWindow::buildMenu()
{
    auto addEntry = [this](QMenu *menu, const QString &name, const QString &text,
                           const QKeySequence &shortcut, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("f"));
    addEntry(file, QStringLiteral("o"), tr("&Open"), QKeySequence(tr("Ctrl+O")),
             &MainWindow::chooseFoundationType);
    addEntry(file, QStringLiteral("p"), tr("&Print"), QKeySequence(tr("Ctrl+P")),
             [] { shell::printWindow(shell::WindowKind::MainWindow); });
    addEntry(file, QStringLiteral("e"), tr("&Exit"), QKeySequence(tr("Ctrl+E")),
             [] { shell::endProgram(); });

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("v"));
    addEntry(view, QStringLiteral("a"), tr("Design Equation"), QKeySequence(), &showEquations);
    addEntry(view, QStringLiteral("t"), tr("The Designer"), QKeySequence(), &showDesigner);
    addEntry(view, QStringLiteral("pi"), tr("Picture"), QKeySequence(), &showPictures);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("d"));
    addEntry(help, QStringLiteral("de"), tr("About This Programe"), QKeySequence(), &showAbout);
}

QAction *MainWindow::menuAction(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

void MainWindow::chooseFoundationType()
{
    shell::openThenClose(shell::WindowKind::MainWindow, shell::WindowKind::TypeChooser);
}

void MainWindow::creditTick()
{
    g_creditOffset -= kCreditStep;
    auto *credit = find<ui::CaptionLabel>("Label2");
    if (g_creditOffset == kCreditTurn) {
        g_creditOffset = kCreditRestart;
        credit->setCaption(credit->text() == latinCredit() ? arabicCredit() : latinCredit());
    }
    credit->move(core::px(g_creditOffset), credit->y());
}

// --- the foundation-type chooser ------------------------------------------------------------

namespace {

struct TypeChoice {
    const char *picture;
    const char *caption;
    shell::WindowKind target;
};

constexpr std::array<TypeChoice, 4> kTypeChoices{{
    {"Picture1(1)", "Label1", shell::WindowKind::IsolatedCases},
    {"Picture1(0)", "Label2", shell::WindowKind::StripCases},
    {"Picture1(2)", "Label3", shell::WindowKind::Combined},
    {"Picture1(3)", "Label4", shell::WindowKind::Strap},
}};

} // namespace

TypeChooser::TypeChooser() : ShellWindow(shell::WindowKind::TypeChooser, tables::kForm2)
{
    find<ui::PictureBox>("Picture1(1)")->setDrawing(drawings::isolatedType);
    find<ui::PictureBox>("Picture1(0)")->setDrawing(drawings::stripType);
    find<ui::PictureBox>("Picture1(2)")->setDrawing(drawings::combinedType);
    find<ui::PictureBox>("Picture1(3)")->setDrawing(drawings::strapType);
    for (const TypeChoice &choice : kTypeChoices) {
        connect(find<ui::CaptionLabel>(choice.caption), &ui::CaptionLabel::clicked, this,
                [choice] { shell::openThenClose(shell::WindowKind::TypeChooser, choice.target); });
        auto *sketch = find<ui::PictureBox>(choice.picture);
        connect(sketch, &ui::PictureBox::clicked, this,
                [choice] { shell::closeThenOpen(shell::WindowKind::TypeChooser, choice.target); });
        // From the keyboard a type is chosen as by its caption.
        sketch->setChoosable(true);
        connect(sketch, &ui::PictureBox::chosen, this,
                [choice] { shell::openThenClose(shell::WindowKind::TypeChooser, choice.target); });
    }
}

} // namespace app

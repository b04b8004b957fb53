#include "isolated/isolated_windows.h"

#include "app/case_chooser.h"
#include "app/shell.h"
#include "isolated/isolated_design.h"
#include "isolated/isolated_sketches.h"
#include "isolated/isolated_tables.h"
#include "ui/case_changes.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QTimer>

namespace isolated {

namespace {

// The design window opens at this outer size from the chooser.
constexpr int kDesignWidth = 11400;
constexpr int kDesignHeight = 8800;
// The chooser opens at this outer size from the foundation-type chooser.
constexpr int kChooserWidth = 6800;
constexpr int kChooserHeight = 6500;

constexpr int kBlinkMilliseconds = 500;

} // namespace

IsolatedWindow::IsolatedWindow()
    : DesignWindow(shell::WindowKind::Isolated, designSpec()), m_blink(new QTimer(this))
{
    find<ui::PictureBox>("Picture1")->setDrawing([](QPainter &painter) {
        sketches::footing(painter, false);
    });
    find<ui::PictureBox>("Picture2")->setDrawing([](QPainter &painter) {
        sketches::footing(painter, true);
    });

    m_blink->setObjectName(QStringLiteral("Timer1"));
    m_blink->setInterval(kBlinkMilliseconds);
    connect(m_blink, &QTimer::timeout, this, &IsolatedWindow::blinkUnsafeChecks);
    m_blink->start();
}

void IsolatedWindow::blinkUnsafeChecks()
{
    ui::blinkStep(form(), tables::kBlinkFields);
}

void prepareForCase(shell::ShellWindow &design, int footingCase)
{
    ui::applyChanges(design.form(), tables::caseChanges(footingCase));
}

shell::ShellWindow *createCaseChooser()
{
    auto *chooser = new shell::CaseChooser(shell::WindowKind::Form3, tables::kForm3,
                                           shell::WindowKind::Isolated, kDesignWidth, kDesignHeight,
                                           prepareForCase);
    for (int k = 0; k < 4; ++k) {
        const std::string picture = "Picture1(" + std::to_string(k) + ")";
        chooser->find<ui::PictureBox>(picture)->setDrawing(
            [k](QPainter &painter) { sketches::loadingCase(painter, k); });
    }
    return chooser;
}

shell::ShellWindow *createDesignWindow()
{
    return new IsolatedWindow;
}

namespace {

shell::ShellWindow *openChooser()
{
    shell::openWindow(shell::WindowKind::Form3, kChooserWidth, kChooserHeight);
    return shell::instance(shell::WindowKind::Form3);
}

// The design window of a case after Design, as a user who chose it from the chooser sees it.
IsolatedWindow *designedCase(int footingCase)
{
    auto *chooser = dynamic_cast<shell::CaseChooser *>(openChooser());
    if (!chooser)
        return nullptr;
    chooser->chooseByCaption(footingCase);
    auto *window = shell::instanceAs<IsolatedWindow>(shell::WindowKind::Isolated);
    if (window)
        window->runDesign();
    return window;
}

} // namespace

shell::Snapshots snapshots()
{
    shell::Snapshots all{{QStringLiteral("Form3"), [] { return openChooser(); }}};
    for (int k = 0; k < 4; ++k) {
        all.push_back({QStringLiteral("isolated-case%1").arg(k),
                       [k]() -> QWidget * { return designedCase(k); }});
    }
    // An unsafe punching result one tick after Design.
    all.push_back({QStringLiteral("isolated-case0-unsafe-blink"), []() -> QWidget * {
                       IsolatedWindow *window = designedCase(0);
                       if (!window)
                           return nullptr;
                       window->find<QLineEdit>("Text1")->setText(QStringLiteral("400"));
                       window->runDesign();
                       window->blinkUnsafeChecks();
                       return window;
                   }});
    return all;
}

} // namespace isolated

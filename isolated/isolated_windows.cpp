#include "isolated/isolated_windows.h"

#include "isolated/isolated_design.h"
#include "isolated/isolated_sketches.h"
#include "isolated/isolated_tables.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "widgets/case_changes.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QTimer>

namespace isolated {

namespace {

constexpr int kBlinkMilliseconds = 500;

} // namespace

IsolatedWindow::IsolatedWindow()
    : DesignWindow(shell::WindowKind::Isolated, windowInfo()), m_blink(new QTimer(this))
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
    auto *chooser = new shell::CaseChooser(shell::WindowKind::IsolatedCases, tables::kForm3,
                                           shell::WindowKind::Isolated, prepareForCase);
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

} // namespace isolated

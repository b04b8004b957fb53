#include "combined/combined_windows.h"

#include "combined/combined_design.h"
#include "combined/combined_sketches.h"
#include "shell/registry.h"
#include "widgets/case_changes.h"
#include "widgets/controls.h"

#include <QTimer>

namespace combined {

namespace {

constexpr int kBlinkIntervalMs = 500;

constexpr std::array<core::BlinkField, 3> blinkFields()
{
    std::array<core::BlinkField, 3> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = {kBlinkingChecks[i].first, kBlinkingChecks[i].second};
    return fields;
}

constexpr std::array<core::BlinkField, 3> kBlinkFields = blinkFields();

} // namespace

CombinedWindow::CombinedWindow()
    : DesignWindow(shell::WindowKind::Combined, windowInfo()), m_blinkTimer(new QTimer(this))
{
    find<ui::PictureBox>(kC1Flush.section)->setDrawing(sketches::sectionC1Flush);
    find<ui::PictureBox>(kC2Flush.section)->setDrawing(sketches::sectionC2Flush);
    // Until a design picks a layout, both drawings of a tab are there; the C1-flush ones, the
    // layout of the default inputs, lie on top.
    control(kC1Flush.diagrams)->raise();
    control(kC1Flush.section)->raise();
    tabs().setCurrentIndex(kOutputTab);

    m_blinkTimer->setInterval(kBlinkIntervalMs);
    connect(m_blinkTimer, &QTimer::timeout, this, &CombinedWindow::blinkUnsafeChecks);
    m_blinkTimer->start();
}

ui::TabControl &CombinedWindow::tabs() const
{
    return *find<ui::TabControl>(kTabControl);
}

void CombinedWindow::blinkUnsafeChecks()
{
    ui::blinkStep(form(), kBlinkFields);
}

shell::ShellWindow *createDesignWindow()
{
    return new CombinedWindow;
}

} // namespace combined

#include "shell/case_chooser.h"

#include "shell/registry.h"
#include "widgets/controls.h"

namespace shell {

CaseChooser::CaseChooser(WindowKind self, std::span<const core::Control> table, WindowKind design,
                         Prepare prepare)
    : ShellWindow(self, table), m_design(design), m_prepare(std::move(prepare))
{
    for (int k = 0; k < 4; ++k) {
        const std::string caption = "Label" + std::to_string(k + 1);
        const std::string picture = "Picture1(" + std::to_string(k) + ")";
        connect(find<ui::CaptionLabel>(caption), &ui::CaptionLabel::clicked, this,
                [this, k] { chooseByCaption(k); });
        auto *sketch = find<ui::PictureBox>(picture);
        connect(sketch, &ui::PictureBox::clicked, this, [this, k] { chooseByPicture(k); });
        // From the keyboard a case is chosen as by its caption.
        sketch->setChoosable(true);
        connect(sketch, &ui::PictureBox::chosen, this, [this, k] { chooseByCaption(k); });
    }
}

void CaseChooser::openDesign(int footingCase)
{
    ShellWindow &design = ensureInstance(m_design);
    if (auto *designWindow = dynamic_cast<DesignWindow *>(&design))
        designWindow->setFootingCase(footingCase);
    m_prepare(design, footingCase);
    openWindow(m_design);
}

void CaseChooser::chooseByCaption(int footingCase)
{
    WindowChange change;
    const WindowKind self = kind();
    openDesign(footingCase);
    closeWindow(self);
    closeWindow(WindowKind::MainWindow);
}

void CaseChooser::chooseByPicture(int footingCase)
{
    WindowChange change;
    const WindowKind self = kind();
    closeWindow(self);
    closeWindow(WindowKind::MainWindow);
    if (footingCase >= 0 && footingCase <= 3)
        openDesign(footingCase);
}

} // namespace shell

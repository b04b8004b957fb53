#include "app/case_chooser.h"

#include "app/shell.h"
#include "ui/controls.h"

namespace shell {

CaseChooser::CaseChooser(WindowKind self, std::span<const ui::Control> table, WindowKind design,
                         int designWidthTwips, int designHeightTwips, Prepare prepare)
    : ShellWindow(self, table), m_design(design), m_width(designWidthTwips),
      m_height(designHeightTwips), m_prepare(std::move(prepare))
{
    for (int k = 0; k < 4; ++k) {
        const std::string caption = "Label" + std::to_string(k + 1);
        const std::string picture = "Picture1(" + std::to_string(k) + ")";
        connect(find<ui::CaptionLabel>(caption), &ui::CaptionLabel::clicked, this,
                [this, k] { chooseByCaption(k); });
        connect(find<ui::PictureBox>(picture), &ui::PictureBox::clicked, this,
                [this, k] { chooseByPicture(k); });
    }
}

void CaseChooser::openDesign(int footingCase)
{
    setFootingCase(footingCase);
    ShellWindow &design = ensureInstance(m_design);
    m_prepare(design, footingCase);
    openWindow(m_design, m_width, m_height);
}

void CaseChooser::chooseByCaption(int footingCase)
{
    WindowChange change;
    const WindowKind self = kind();
    openDesign(footingCase);
    closeWindow(self);
    closeWindow(WindowKind::Form1);
}

void CaseChooser::chooseByPicture(int footingCase)
{
    WindowChange change;
    const WindowKind self = kind();
    closeWindow(self);
    closeWindow(WindowKind::Form1);
    if (footingCase >= 0 && footingCase <= 3)
        openDesign(footingCase);
}

} // namespace shell

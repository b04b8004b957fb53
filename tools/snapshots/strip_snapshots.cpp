#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "strip/strip_windows.h"
#include "tools/snapshots/snapshots.h"

namespace snapshots {

using namespace strip;

Snapshots stripWindows()
{
    Snapshots all{
        {QStringLiteral("choosestrip"),
         [] {
             shell::openWindow(shell::WindowKind::StripCases);
             return shell::instance(shell::WindowKind::StripCases);
         }},
    };
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        all.push_back({QStringLiteral("designstrip-case%1").arg(footingCase), [footingCase] {
                           shell::openWindow(shell::WindowKind::StripCases);
                           shell::instanceAs<shell::CaseChooser>(shell::WindowKind::StripCases)
                               ->chooseByCaption(footingCase);
                           shell::ShellWindow *design = shell::instance(shell::WindowKind::Strip);
                           design->runDesign();
                           return design;
                       }});
    }
    return all;
}

} // namespace snapshots

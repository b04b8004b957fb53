#include "app/project_session.h"
#include "app/project_windows.h"
#include "app/schedule_window.h"
#include "shell/registry.h"
#include "tools/snapshots/snapshots.h"

namespace snapshots {

Snapshots projectWindows()
{
    return {
        {QStringLiteral("schedule"),
         [] {
             app::session().openFile(nullptr, QStringLiteral(FOUNDATIONS_EXAMPLES "/building.fdn"));
             app::ScheduleWindow &schedule = app::showSchedule();
             schedule.selectFooting(2);
             return static_cast<QWidget *>(&schedule);
         }},
    };
}

} // namespace snapshots

#include "app/import_dialog.h"
#include "app/project_session.h"
#include "app/project_windows.h"
#include "app/schedule_window.h"
#include "shell/registry.h"
#include "tools/snapshots/snapshots.h"

#include <QComboBox>
#include <QFile>

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
        {QStringLiteral("import-reactions"),
         [] {
             app::ScheduleWindow &schedule = app::showSchedule();
             app::ImportDialog *dialog = app::importReactions(&schedule);
             QFile table(QStringLiteral(FOUNDATIONS_EXAMPLES "/reactions.csv"));
             table.open(QIODevice::ReadOnly);
             // One bad row, so the list of rows that cannot be imported shows.
             dialog->setTable(QString::fromUtf8(table.readAll()) +
                                  QStringLiteral("E9,1.4D+1.6L,-12,0,30,30\n"),
                              table.fileName());
             dialog->unitsList()->setCurrentIndex(1);
             return static_cast<QWidget *>(dialog);
         }},
    };
}

} // namespace snapshots

#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace snapshots {

// A picture of what a user sees: `stage` opens and prepares windows and returns the widget
// to photograph; the snapshot tool writes it as <name>.png. A printed snapshot is the sheet of
// paper the window's Print gives instead (A4 or Letter at 96 dpi).
struct Snapshot {
    QString name;
    std::function<QWidget *()> stage;
    bool printed = false;
};

using Snapshots = std::vector<Snapshot>;

// The pictures of each group of windows, and all of them in the order they are written.
Snapshots shellWindows();
Snapshots infoWindows();
Snapshots isolatedWindows();
Snapshots stripWindows();
Snapshots combinedWindows();
Snapshots strapWindows();
// The first page of each design window's calculation report, a report's preview and the
// first page of a project's printed calculation.
Snapshots reportPages();
Snapshots projectWindows(); // the footing schedule of the sample building
Snapshots all();

} // namespace snapshots

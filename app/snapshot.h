#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace shell {

// A picture of what a user sees: `stage` opens and prepares windows and returns the widget
// to photograph; the snapshot tool writes it as <name>.png.
struct Snapshot {
    QString name;
    std::function<QWidget *()> stage;
};

using Snapshots = std::vector<Snapshot>;

} // namespace shell

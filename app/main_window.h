#pragma once

#include "shell/shell_window.h"

class QAction;
class QTimer;

namespace app {

// The main window: menu bar, the way into the foundation-type chooser and the credit line
// that slides across the bottom.
class MainWindow : public shell::ShellWindow
{
    Q_OBJECT
public:
    MainWindow();

    // One tick of the credit-line timer (every 100 ms).
    void creditTick();
    QTimer *creditTimer() const { return m_timer; }
    QAction *menuAction(const QString &name) const;

    static QString latinCredit();
    static QString arabicCredit();

private:
    void buildMenu();
    void chooseFoundationType();

    QTimer *m_timer;
};

// The credit offset (twips) belongs to the main window but outlives its instances.
int creditOffset();
void resetCreditOffset();

// The foundation-type chooser: a click on a caption or a sketch, or Enter or Space on the
// sketch that has the keyboard focus, opens that type.
class TypeChooser : public shell::ShellWindow
{
    Q_OBJECT
public:
    TypeChooser();
};

} // namespace app

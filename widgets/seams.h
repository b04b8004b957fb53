#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace ui {

// Every message box of the program goes through here, so tests can answer them.
class MessageSeam
{
public:
    virtual ~MessageSeam() = default;
    // A message with one OK button and no icon (the strap footing's check messages).
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // Refused input or a failure: a warning with one OK button.
    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget *parent, const QString &title, const QString &text) = 0;
    // A file to save to; empty when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
};

// Every printout goes through here: one page with the current image of a window's client area.
class PrintSeam
{
public:
    virtual ~PrintSeam() = default;
    virtual void print(QWidget &client, const QString &jobName) = 0;
};

MessageSeam &messages();
PrintSeam &printing();
// Replace a seam (tests); nullptr restores the real one. The caller keeps ownership.
void setMessageSeam(MessageSeam *seam);
void setPrintSeam(PrintSeam *seam);

// Renders a widget as one page, scaled to fit and centred at the top; false when the device
// cannot be painted on. Used by the real print seam for printers and PDF files alike.
bool renderPage(QWidget &client, QPrinter &printer);

} // namespace ui

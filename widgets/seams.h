#pragma once

#include <QString>
#include <functional>
#include <memory>

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
    // Unsaved work and a choice that would drop it: save it first, drop it, or cancel.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &text) = 0;
    // A file to save to; empty when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
    // An existing file to open, starting in `folder`; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // The print dialog: printer, paper, orientation; false when the user cancels.
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
};

// Every printout goes through here: one page with what a window's client area shows.
class PrintSeam
{
public:
    virtual ~PrintSeam() = default;
    virtual void print(QWidget &client, const QString &jobName) = 0;
};

// The real printing: the client area painted as a vector page at true scale (see
// page_painter.h). The first printout after the program starts asks for the printer, paper
// and orientation in the print dialog; later ones print with that choice. Without a printer
// the page can be saved as a PDF file instead, proposed in the documents folder the first
// time and then in the folder last saved to. Dialogs go through the message seam.
class PagePrinter : public PrintSeam
{
public:
    // `printerInstalled` says whether the system has a printer; by default, asks the system.
    explicit PagePrinter(std::function<bool()> printerInstalled = {});
    ~PagePrinter() override;

    void print(QWidget &client, const QString &jobName) override;

    // The folder the PDF file dialog proposes now.
    static QString pdfFolder();

private:
    void saveAsPdf(QWidget &client, const QString &jobName);

    std::function<bool()> m_printerInstalled;
    std::unique_ptr<QPrinter> m_printer; // as the print dialog set it up
};

MessageSeam &messages();
PrintSeam &printing();
// Replace a seam (tests); nullptr restores the real one. The caller keeps ownership.
void setMessageSeam(MessageSeam *seam);
void setPrintSeam(PrintSeam *seam);

} // namespace ui

#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace report {
struct Report;
}

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

// Every printout goes through here: one page with what a window's client area shows, or the
// pages of a calculation report.
class PrintSeam
{
public:
    virtual ~PrintSeam() = default;
    virtual void print(QWidget &client, const QString &jobName) = 0;
    // `parent` is the window the dialogs belong to.
    virtual void printReport(QWidget *parent, const report::Report &report,
                             const QString &jobName) = 0;
};

// The real printing: the client area painted as a vector page at true scale (see
// page_painter.h). The first printout after the program starts asks for the printer, paper
// and orientation in the print dialog; later ones print with that choice. Without a printer
// the page can be saved as a PDF file instead, proposed in the documents folder the first
// time and then in the folder last saved to. Dialogs go through the message seam. A report
// prints the same way, on the printer chosen for the windows (upright, whatever orientation
// the windows print in), or is saved as a PDF file of its pages.
class PagePrinter : public PrintSeam
{
public:
    // `printerInstalled` says whether the system has a printer; by default, asks the system.
    explicit PagePrinter(std::function<bool()> printerInstalled = {});
    ~PagePrinter() override;

    void print(QWidget &client, const QString &jobName) override;
    void printReport(QWidget *parent, const report::Report &report,
                     const QString &jobName) override;

    // The folder the PDF file dialog proposes now.
    static QString pdfFolder();
    // Asks through the message seam for a PDF file to save to, proposing `baseName`.pdf in
    // pdfFolder(); a name without a suffix gets ".pdf". Empty when the user cancels.
    static QString askPdfFileName(QWidget *parent, const QString &title, const QString &baseName);
    // The folder of a PDF file just saved: the next proposal's.
    static void rememberPdfFolder(const QString &savedFile);

private:
    void saveAsPdf(QWidget &client, const QString &jobName);
    // The printer as the print dialog set it up, asking the first time (on a printer that
    // `prepare` has set up as the dialog should open); nullptr when the user cancels.
    QPrinter *setUpPrinter(QWidget *window, const QString &jobName,
                           const std::function<void(QPrinter &)> &prepare);

    std::function<bool()> m_printerInstalled;
    std::unique_ptr<QPrinter> m_printer; // as the print dialog set it up
};

// Save as PDF for a report: asks for the file through the message seam (askPdfFileName, titled
// `title`, proposing `baseName`), writes the report there with writeReportPdf and remembers
// its folder. A file that cannot be written is a warning with the reason, and any earlier file
// of that name stays as it was. True when the file was written.
bool saveReportAsPdf(QWidget *parent, const report::Report &report, const QString &title,
                     const QString &baseName);

MessageSeam &messages();
PrintSeam &printing();
// Replace a seam (tests); nullptr restores the real one. The caller keeps ownership.
void setMessageSeam(MessageSeam *seam);
void setPrintSeam(PrintSeam *seam);

} // namespace ui

#include "widgets/seams.h"

#include "widgets/page_painter.h"
#include "widgets/report_painter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace ui {

namespace {

// Where the folder of the last PDF file saved is kept between sessions.
const QString kPdfFolderKey = QStringLiteral("printing/pdfFolder");

class DialogMessages : public MessageSeam
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    void warn(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox::warning(parent, title, text);
    }
    bool ask(QWidget *parent, const QString &title, const QString &text) override
    {
        return QMessageBox::question(parent, title, text) == QMessageBox::Yes;
    }
    SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &text) override
    {
        const auto button = QMessageBox::warning(
            parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
            QMessageBox::Save);
        if (button == QMessageBox::Save)
            return SaveAnswer::Save;
        return button == QMessageBox::Discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
    }
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    }
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

bool systemHasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

DialogMessages g_dialogs;
PagePrinter g_printer;
MessageSeam *g_messages = &g_dialogs;
PrintSeam *g_printing = &g_printer;

} // namespace

MessageSeam &messages()
{
    return *g_messages;
}

PrintSeam &printing()
{
    return *g_printing;
}

void setMessageSeam(MessageSeam *seam)
{
    g_messages = seam ? seam : &g_dialogs;
}

void setPrintSeam(PrintSeam *seam)
{
    g_printing = seam ? seam : &g_printer;
}

// --- PagePrinter ----------------------------------------------------------------------------

PagePrinter::PagePrinter(std::function<bool()> printerInstalled)
    : m_printerInstalled(printerInstalled ? std::move(printerInstalled) : systemHasPrinter)
{}

PagePrinter::~PagePrinter() = default;

QPrinter *PagePrinter::setUpPrinter(QWidget *window, const QString &jobName,
                                    const std::function<void(QPrinter &)> &prepare)
{
    if (!m_printer) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        prepare(*printer);
        printer->setDocName(jobName);
        if (!messages().setUpPrinter(window, *printer))
            return nullptr;
        m_printer = std::move(printer);
    }
    m_printer->setDocName(jobName);
    return m_printer.get();
}

void PagePrinter::print(QWidget &client, const QString &jobName)
{
    QWidget *window = client.window();
    if (!m_printerInstalled()) {
        saveAsPdf(client, jobName);
        return;
    }
    // The dialog opens on the orientation that prints the window larger.
    QPrinter *printer = setUpPrinter(window, jobName, [&client](QPrinter &first) {
        first.setPageOrientation(defaultPageLayout(client.size()).orientation());
    });
    if (printer && !printPage(client, *printer))
        messages().warn(
            window, jobName,
            QObject::tr("The printer %1 could not print the page.").arg(printer->printerName()));
}

void PagePrinter::printReport(QWidget *parent, const report::Report &report, const QString &jobName)
{
    if (!m_printerInstalled()) {
        if (messages().ask(parent, jobName,
                           QObject::tr("No printer is installed. Save the report as a PDF file "
                                       "instead?")))
            saveReportAsPdf(parent, report, QObject::tr("Save Report As PDF"), jobName);
        return;
    }
    // The dialog opens on the paper the report is laid out for.
    QPrinter *printer = setUpPrinter(
        parent, jobName, [](QPrinter &first) { first.setPageLayout(reportPageLayout()); });
    if (!printer)
        return;
    // The report's pages stand upright; the windows keep the orientation chosen for them.
    const QPageLayout windowsLayout = printer->pageLayout();
    printer->setPageOrientation(QPageLayout::Portrait);
    const bool printed = paintReport(*printer, report);
    printer->setPageLayout(windowsLayout);
    if (!printed)
        messages().warn(
            parent, jobName,
            QObject::tr("The printer %1 could not print the report.").arg(printer->printerName()));
}

QString PagePrinter::pdfFolder()
{
    const QString folder = QSettings().value(kPdfFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString PagePrinter::askPdfFileName(QWidget *parent, const QString &title, const QString &baseName)
{
    QString name =
        messages().saveFileName(parent, title, QDir(pdfFolder()).filePath(baseName + ".pdf"),
                                QObject::tr("PDF files (*.pdf)"));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    return name;
}

void PagePrinter::rememberPdfFolder(const QString &savedFile)
{
    QSettings().setValue(kPdfFolderKey, QFileInfo(savedFile).absolutePath());
}

void PagePrinter::saveAsPdf(QWidget &client, const QString &jobName)
{
    QWidget *window = client.window();
    if (!messages().ask(window, jobName,
                        QObject::tr("No printer is installed. Save the page as a PDF file "
                                    "instead?")))
        return;
    const QString name = askPdfFileName(window, QObject::tr("Save Page As PDF"), jobName);
    if (name.isEmpty())
        return;

    // Written to a temporary file and renamed: a failed save leaves no half-written page.
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setResolution(kPageDpi);
        writer.setPageLayout(defaultPageLayout(client.size()));
        writer.setTitle(jobName);
        writer.setCreator(QStringLiteral("Design Of Foundations"));
        written = printPage(client, writer);
    }
    if (!written || !file.commit()) {
        messages().warn(window, jobName,
                        QObject::tr("The file %1 could not be written.").arg(name));
        return;
    }
    rememberPdfFolder(name);
}

bool saveReportAsPdf(QWidget *parent, const report::Report &report, const QString &title,
                     const QString &baseName)
{
    const QString name = PagePrinter::askPdfFileName(parent, title, baseName);
    if (name.isEmpty())
        return false;
    QString error;
    if (!writeReportPdf(report, name, &error)) {
        messages().warn(parent, title, error);
        return false;
    }
    PagePrinter::rememberPdfFolder(name);
    return true;
}

} // namespace ui

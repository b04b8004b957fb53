#include "widgets/seams.h"

#include "widgets/page_painter.h"

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

void PagePrinter::print(QWidget &client, const QString &jobName)
{
    QWidget *window = client.window();
    if (!m_printerInstalled()) {
        saveAsPdf(client, jobName);
        return;
    }
    if (!m_printer) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The dialog opens on the orientation that prints the window larger.
        printer->setPageOrientation(defaultPageLayout(client.size()).orientation());
        printer->setDocName(jobName);
        if (!messages().setUpPrinter(window, *printer))
            return;
        m_printer = std::move(printer);
    }
    m_printer->setDocName(jobName);
    if (!printPage(client, *m_printer))
        messages().warn(
            window, jobName,
            QObject::tr("The printer %1 could not print the page.").arg(m_printer->printerName()));
}

QString PagePrinter::pdfFolder()
{
    const QString folder = QSettings().value(kPdfFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void PagePrinter::saveAsPdf(QWidget &client, const QString &jobName)
{
    QWidget *window = client.window();
    if (!messages().ask(window, jobName,
                        QObject::tr("No printer is installed. Save the page as a PDF file "
                                    "instead?")))
        return;
    QString name = messages().saveFileName(window, QObject::tr("Save Page As PDF"),
                                           QDir(pdfFolder()).filePath(jobName + ".pdf"),
                                           QObject::tr("PDF files (*.pdf)"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");

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
    QSettings().setValue(kPdfFolderKey, QFileInfo(name).absolutePath());
}

} // namespace ui

#include "widgets/seams.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

namespace ui {

namespace {

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
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    }
};

class SystemPrinter : public PrintSeam
{
public:
    void print(QWidget &client, const QString &jobName) override
    {
        QWidget *window = client.window();
        if (QPrinterInfo::defaultPrinter().isNull()) {
            if (!messages().ask(window, jobName,
                                QObject::tr("No printer is installed. Save the page as a PDF "
                                            "file instead?")))
                return;
            const QString folder =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            const QString file = messages().saveFileName(
                window, QObject::tr("Save Page As PDF"),
                folder + QLatin1Char('/') + jobName + ".pdf", QObject::tr("PDF files (*.pdf)"));
            if (file.isEmpty())
                return;
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(file);
            pdf.setDocName(jobName);
            if (!renderPage(client, pdf))
                messages().warn(window, jobName,
                                QObject::tr("The file %1 could not be written.").arg(file));
            return;
        }
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setDocName(jobName);
        if (!renderPage(client, printer))
            messages().warn(
                window, jobName,
                QObject::tr("The printer %1 could not print the page.").arg(printer.printerName()));
    }
};

DialogMessages g_dialogs;
SystemPrinter g_printer;
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

bool renderPage(QWidget &client, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QSize size = client.size();
    const double scale =
        std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    painter.translate((page.width() - size.width() * scale) / 2.0, 0.0);
    painter.scale(scale, scale);
    client.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

} // namespace ui

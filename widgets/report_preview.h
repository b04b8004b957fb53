#pragma once

#include "report/report.h"

#include <QDialog>
#include <QString>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

namespace ui {

// The name a report's file and print job go by: the footing mark and the window's title,
// "F1 - Design Of Isolated Footing", without the characters a file name cannot hold;
// "Calculation report" when the title block gives neither.
QString reportDocumentName(const report::TitleBlock &title);

// The calculation report on screen as it prints: its A4 pages in Qt's print preview under a
// tool bar that prints it (through the print seam), saves it as a PDF file (named through the
// message seam), zooms in and out or fits the page to the width, and goes from page to page,
// "page N of M". Close or Escape closes it.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    explicit ReportPreview(report::Report report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    const report::Report &report() const { return m_report; }
    QPrintPreviewWidget *view() const { return m_view; }
    // A tool bar entry by object name: "print", "pdf", "zoomIn", "zoomOut", "fitWidth",
    // "previous", "next", "close".
    QAction *action(const QString &name) const;
    // What the page counter says: "page 2 of 5".
    QString pageText() const;

private:
    QToolBar *buildToolBar();
    void showPage(int page);
    void updatePageState();

    report::Report m_report;
    QString m_name;
    std::unique_ptr<QPrinter> m_printer; // the pages the preview shows are painted on it
    QPrintPreviewWidget *m_view;
    QLabel *m_page;
};

} // namespace ui

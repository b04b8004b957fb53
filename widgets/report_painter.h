#pragma once

#include "project/project_report.h"
#include "report/report.h"

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// The calculation report on paper: A4 pages painted with QPainter, text as text and sketches
// as vectors, the title block and "page N of M" on every page. The same painting serves a
// preview on screen, a printer and the PDF file; a project's schedule is laid out the same
// way. Needs a QGuiApplication (fonts).
namespace ui {

// A4 portrait with 15 mm margins: the page every report is laid out for unless told otherwise.
QPageLayout reportPageLayout();

// The number of pages of the report laid out on `layout`'s printable area (at least 1).
int reportPageCount(const report::Report &report, const QPageLayout &layout = reportPageLayout());

// Paints page `page` (0 for the first) of the report, laid out on `layout`'s printable area,
// into `paintRect` of the painter's device, scaled to fit and centred. The painter's state is
// restored afterwards. A page outside the report paints nothing.
void paintReportPage(QPainter &painter, const report::Report &report, int page,
                     const QRectF &paintRect, const QPageLayout &layout = reportPageLayout());

// Paints every page of the report on a printer or PDF writer, laid out on its page layout, a
// new sheet for each page. False when the device cannot be painted on.
bool paintReport(QPagedPaintDevice &device, const report::Report &report);

// Writes the report as an A4 PDF. The file is written under a temporary name in the same
// folder and renamed when complete, so an earlier file of that name stays intact on any
// failure. On failure returns false and, if `error` is given, a sentence that says why (the
// folder does not exist, cannot be written, or the disk is full).
bool writeReportPdf(const report::Report &report, const QString &path, QString *error = nullptr);

// The printed calculation of a project as one document: the footing schedule, on as many
// pages as it needs with the project's title block on each (`layout` turned to landscape),
// then the report of every footing designed (on `layout`). Its pages are numbered through,
// "page N of M" of the whole document.
int schedulePageCount(const project::ProjectReport &project,
                      const QPageLayout &layout = reportPageLayout());
int projectReportPageCount(const project::ProjectReport &project,
                           const QPageLayout &layout = reportPageLayout());
// The layout page `page` of that document is laid out on.
QPageLayout projectReportPageLayout(const project::ProjectReport &project, int page,
                                    const QPageLayout &layout = reportPageLayout());
// Paints page `page` of that document as paintReportPage paints a report's.
void paintProjectReportPage(QPainter &painter, const project::ProjectReport &project, int page,
                            const QRectF &paintRect,
                            const QPageLayout &layout = reportPageLayout());
// Writes that document as an A4 PDF, as writeReportPdf writes a report.
bool writeProjectReportPdf(const project::ProjectReport &project, const QString &path,
                           QString *error = nullptr);

// Page `page` of the report as a white A4 picture at `dpi` dots per inch (for snapshots and
// tests).
QImage reportPageImage(const report::Report &report, int page, double dpi = 96);

} // namespace ui

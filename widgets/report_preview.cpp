#include "widgets/report_preview.h"

#include "widgets/report_painter.h"
#include "widgets/seams.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

QString reportDocumentName(const report::TitleBlock &title)
{
    QString name = QString::fromStdString(title.mark);
    const QString window = QString::fromStdString(title.window);
    if (!name.trimmed().isEmpty() && !window.trimmed().isEmpty())
        name += QStringLiteral(" - ");
    name += window;
    // What Windows, macOS and Linux file names all can hold: no separators, wildcards, quotes,
    // control characters or leading dots, and no longer than a file dialog shows.
    QString kept;
    for (const QChar c : name) {
        const bool forbidden = c.category() == QChar::Other_Control ||
                               c.category() == QChar::Other_Format ||
                               QStringLiteral("/\\:*?\"<>|").contains(c);
        kept += forbidden ? QChar(QLatin1Char(' ')) : c;
    }
    kept = kept.simplified();
    while (kept.startsWith(QLatin1Char('.')))
        kept = kept.mid(1).trimmed();
    constexpr qsizetype kLongest = 120;
    if (kept.size() > kLongest)
        kept = kept.left(kLongest).trimmed();
    return kept.isEmpty() ? QStringLiteral("Calculation report") : kept;
}

ReportPreview::ReportPreview(report::Report report, QWidget *parent)
    : QDialog(parent), m_report(std::move(report)), m_name(reportDocumentName(m_report.title)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(tr("Calculation Report — %1").arg(m_name));
    // The pages as the PDF file has them, whatever printer the system has.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(reportPageLayout());
    m_printer->setDocName(m_name);

    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("pages"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { paintReport(*printer, m_report); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageState);

    m_page = new QLabel(this);
    m_page->setObjectName(QStringLiteral("page"));
    m_page->setContentsMargins(8, 0, 8, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
    layout->addWidget(m_view, 1);

    // A page across and most of one down, on any screen.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 0.9 : QSize(900, 1000);
    resize(std::min(room.width(), 900), std::min(room.height(), 1000));
    m_view->fitToWidth();
    m_view->updatePreview();
    updatePageState();
}

// The preview holds a pointer to the printer: it goes first.
ReportPreview::~ReportPreview()
{
    delete m_view;
}

QToolBar *ReportPreview::buildToolBar()
{
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setMovable(false);
    auto add = [this, tools](const QString &name, const QString &text, const QKeySequence &shortcut,
                             auto handler) {
        QAction *entry = tools->addAction(text);
        entry->setObjectName(name);
        entry->setShortcut(shortcut);
        connect(entry, &QAction::triggered, this, handler);
        return entry;
    };
    add(QStringLiteral("print"), tr("&Print…"), QKeySequence::Print,
        [this] { printing().printReport(this, m_report, m_name); });
    add(QStringLiteral("pdf"), tr("&Save as PDF…"), QKeySequence::Save,
        [this] { saveReportAsPdf(this, m_report, tr("Save Report As PDF"), m_name); });
    tools->addSeparator();
    add(QStringLiteral("zoomIn"), tr("Zoom &In"), QKeySequence::ZoomIn,
        [this] { m_view->zoomIn(); });
    add(QStringLiteral("zoomOut"), tr("Zoom &Out"), QKeySequence::ZoomOut,
        [this] { m_view->zoomOut(); });
    add(QStringLiteral("fitWidth"), tr("Fit &Width"), {}, [this] { m_view->fitToWidth(); });
    tools->addSeparator();
    add(QStringLiteral("previous"), tr("P&revious Page"), {},
        [this] { showPage(m_view->currentPage() - 1); });
    tools->addWidget(m_page);
    add(QStringLiteral("next"), tr("&Next Page"), {},
        [this] { showPage(m_view->currentPage() + 1); });
    tools->addSeparator();
    add(QStringLiteral("close"), tr("&Close"), {}, [this] { close(); });
    return tools;
}

QAction *ReportPreview::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

QString ReportPreview::pageText() const
{
    return m_page->text();
}

void ReportPreview::showPage(int page)
{
    m_view->setCurrentPage(std::clamp(page, 1, std::max(1, m_view->pageCount())));
    updatePageState();
}

void ReportPreview::updatePageState()
{
    const int page = m_view->currentPage();
    const int pages = m_view->pageCount();
    m_page->setText(tr("page %1 of %2").arg(page).arg(pages));
    action(QStringLiteral("previous"))->setEnabled(page > 1);
    action(QStringLiteral("next"))->setEnabled(page < pages);
}

} // namespace ui

#include "sheetpreviewdialog.h"

#include "windowplacement.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCoreApplication>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

// The scrolling column of pages. Sizes on screen are in pixels; a page's paper is its full
// rectangle at the zoom, and the printable area sits in it where the layout puts it.
class PreviewPages final : public QAbstractScrollArea
{
public:
    static constexpr int Gap = 10;

    PreviewPages(const QPageLayout &layout, int resolution, int pageCount,
                 SheetPreviewDialog::DrawPage drawPage, QWidget *parent)
        : QAbstractScrollArea(parent)
        , m_layout(layout)
        , m_resolution(resolution)
        , m_pageCount(pageCount)
        , m_drawPage(std::move(drawPage))
    {
        viewport()->setBackgroundRole(QPalette::Dark);
        viewport()->setAutoFillBackground(true);
        // A column of pages always scrolls; a bar that came and went would change the width
        // the paper is fitted to.
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }

    int pageCount() const { return m_pageCount; }
    const QPageLayout &layout() const { return m_layout; }
    void setLayout(const QPageLayout &layout)
    {
        m_layout = layout;
        setZoom(m_zoom);
    }
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom)
    {
        const int page = currentPage();
        m_zoom = std::clamp(zoom, qreal(0.1), qreal(10));
        updateScrollBars();
        setCurrentPage(page);
        viewport()->update();
    }
    // The zoom at which the paper's width or whole page fills the view.
    qreal zoomToFit(bool wholePage) const
    {
        const QSizeF paper = paperPixels(1);
        const qreal width = (viewport()->width() - 2 * Gap) / paper.width();
        const qreal height = (viewport()->height() - 2 * Gap) / paper.height();
        return wholePage ? std::min(width, height) : width;
    }

    // The page at the top of the view; at the end of the column, where the last page shows
    // whole, that one.
    int currentPage() const
    {
        const QScrollBar *bar = verticalScrollBar();
        if (bar->maximum() > 0 && bar->value() == bar->maximum())
            return m_pageCount;
        return std::min(m_pageCount, bar->value() / pitch() + 1);
    }
    void setCurrentPage(int page)
    {
        verticalScrollBar()->setValue((std::clamp(page, 1, m_pageCount) - 1) * pitch());
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(viewport());
        const QSize paper = paperPixels(m_zoom).toSize();
        const int left = std::max(Gap, (viewport()->width() - paper.width()) / 2) -
                         horizontalScrollBar()->value();
        const int scrolled = verticalScrollBar()->value();
        const QRectF paintRect = m_layout.paintRectPixels(m_resolution);
        const qreal scale = pixelsPerDot();
        const PageSurface surface{paintRect.size(), qreal(m_resolution), qreal(m_resolution)};
        // Only the pages that meet the exposed area are drawn.
        for (int page = std::max(1, (scrolled + event->rect().top()) / pitch());
             page <= m_pageCount; ++page) {
            const QRect sheet(left, Gap + (page - 1) * pitch() - scrolled, paper.width(),
                              paper.height());
            if (sheet.top() > event->rect().bottom())
                break;
            if (!sheet.intersects(event->rect()))
                continue;
            painter.fillRect(sheet.translated(3, 3), palette().shadow());
            painter.fillRect(sheet, Qt::white);
            painter.save();
            painter.setClipRect(sheet);
            painter.translate(sheet.topLeft());
            painter.scale(scale, scale);
            painter.translate(paintRect.topLeft());
            m_drawPage(painter, page, surface);
            painter.restore();
        }
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        updateScrollBars();
    }

private:
    // Screen pixels for one dot of the printer.
    qreal pixelsPerDot() const { return m_zoom * logicalDpiX() / m_resolution; }
    QSizeF paperPixels(qreal zoom) const
    {
        return m_layout.fullRectPoints().size() * zoom * logicalDpiX() / 72.0;
    }
    int pitch() const { return std::max(1, int(std::ceil(paperPixels(m_zoom).height()))) + Gap; }
    void updateScrollBars()
    {
        const QSize paper = paperPixels(m_zoom).toSize();
        const QSize shown = viewport()->size();
        const qint64 height = qint64(m_pageCount) * pitch() + Gap;
        horizontalScrollBar()->setRange(0, std::max(0, paper.width() + 2 * Gap - shown.width()));
        horizontalScrollBar()->setPageStep(shown.width());
        verticalScrollBar()->setRange(0, int(std::clamp<qint64>(height - shown.height(), 0,
                                                                std::numeric_limits<int>::max())));
        verticalScrollBar()->setPageStep(shown.height());
        verticalScrollBar()->setSingleStep(std::max(1, pitch() / 20));
    }

    QPageLayout m_layout;
    int m_resolution;
    int m_pageCount;
    SheetPreviewDialog::DrawPage m_drawPage;
    qreal m_zoom = 1;
};

namespace {

// Texts and icons of the toolkit's own preview, so this one reads and looks the same.
QString qtText(const char *text)
{
    return QCoreApplication::translate("QPrintPreviewDialog", text);
}

QIcon qtIcon(const char *name)
{
    return QIcon(QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-24.png")
                     .arg(QLatin1String(name)));
}

} // namespace

SheetPreviewDialog::SheetPreviewDialog(const QPageLayout &layout, int resolution, int pageCount,
                                       DrawPage drawPage, Commands commands, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(qtText("Print Preview"));
    m_pages =
        new PreviewPages(layout, resolution, std::max(1, pageCount), std::move(drawPage), this);
    auto *toolBar = new QToolBar(this);
    const auto add = [this, toolBar](const char *icon, const char *text, auto slot) {
        QAction *action = toolBar->addAction(qtIcon(icon), qtText(text));
        action->setObjectName(QLatin1String(icon));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("zoom-fit-width", "Fit width", [this] { fitToWidth(); });
    add("zoom-fit-page", "Fit page", [this] { fitToPage(); });
    add("zoom-in", "Zoom in", [this] { setZoom(zoom() * 1.25); });
    add("zoom-out", "Zoom out", [this] { setZoom(zoom() / 1.25); });
    toolBar->addSeparator();
    add("go-first", "First page", [this] { setCurrentPage(1); });
    add("go-previous", "Previous page", [this] { setCurrentPage(currentPage() - 1); });
    m_pageNumber = new QLineEdit(toolBar);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    m_pageNumber->setValidator(new QIntValidator(1, m_pages->pageCount(), m_pageNumber));
    m_pageNumber->setAlignment(Qt::AlignRight);
    m_pageNumber->setMaximumWidth(
        m_pageNumber->fontMetrics().horizontalAdvance(QString::number(m_pages->pageCount())) + 20);
    toolBar->addWidget(m_pageNumber);
    m_pageTotal = new QLabel(QStringLiteral(" / %1").arg(m_pages->pageCount()), toolBar);
    toolBar->addWidget(m_pageTotal);
    add("go-next", "Next page", [this] { setCurrentPage(currentPage() + 1); });
    add("go-last", "Last page", [this] { setCurrentPage(this->pageCount()); });
    toolBar->addSeparator();
    add("page-setup", "Page Setup", [this, commands] { m_pages->setLayout(commands.pageSetup()); });
    add("printer", "Print", [this, commands] {
        if (commands.print())
            accept();
    });

    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(toolBar);
    layoutBox->addWidget(m_pages);
    connect(m_pageNumber, &QLineEdit::editingFinished, this,
            [this] { setCurrentPage(m_pageNumber->text().toInt()); });
    connect(m_pages->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &SheetPreviewDialog::showPageNumber);
    showPageNumber();
    resize(sizeInsideScreen(*this, QSize(800, 900)));
}

void SheetPreviewDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The paper fills the width the window has when it first shows.
    if (!m_fitted)
        fitToWidth();
    m_fitted = true;
}

int SheetPreviewDialog::pageCount() const
{
    return m_pages->pageCount();
}

int SheetPreviewDialog::currentPage() const
{
    return m_pages->currentPage();
}

void SheetPreviewDialog::setCurrentPage(int page)
{
    m_pages->setCurrentPage(page);
    showPageNumber();
}

qreal SheetPreviewDialog::zoom() const
{
    return m_pages->zoom();
}

void SheetPreviewDialog::setZoom(qreal zoom)
{
    m_pages->setZoom(zoom);
}

void SheetPreviewDialog::fitToWidth()
{
    layout()->activate();
    m_pages->setZoom(m_pages->zoomToFit(false));
}

void SheetPreviewDialog::fitToPage()
{
    layout()->activate();
    m_pages->setZoom(m_pages->zoomToFit(true));
}

QPageLayout SheetPreviewDialog::pageLayout() const
{
    return m_pages->layout();
}

void SheetPreviewDialog::showPageNumber()
{
    m_pageNumber->setText(QString::number(currentPage()));
}

#pragma once

#include "sheetdrawing.h"

#include <QDialog>
#include <QPageLayout>

#include <functional>

class QLabel;
class QLineEdit;
class PreviewPages;

// The print preview: the pages on their paper, one under the other, each drawn when it comes
// into view. Nothing of a page is kept, so a run of any length opens at once in the same memory.
class SheetPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // Draws page `page` (from 1) onto a painter set up for the paper's printable area.
    using DrawPage = std::function<void(QPainter &, int page, const PageSurface &)>;

    // print prints the pages, asking which first; false when nothing was printed.
    SheetPreviewDialog(const QPageLayout &layout, int resolution, int pageCount, DrawPage drawPage,
                       std::function<bool()> print, QWidget *parent = nullptr);

    int pageCount() const;
    // The page at the top of the view, from 1.
    int currentPage() const;
    void setCurrentPage(int page);
    // Screen size of the paper against its real size.
    qreal zoom() const;
    void setZoom(qreal zoom);
    void fitToWidth();
    void fitToPage();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPageNumber();

    PreviewPages *m_pages = nullptr;
    QLineEdit *m_pageNumber = nullptr;
    QLabel *m_pageTotal = nullptr;
    bool m_fitted = false;
};

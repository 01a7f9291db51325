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

    // What the buttons beyond the view do: print the pages, asking which first (false when
    // nothing was printed), and set up the paper, giving the printer's layout after it.
    struct Commands
    {
        std::function<bool()> print;
        std::function<QPageLayout()> pageSetup;
    };

    SheetPreviewDialog(const QPageLayout &layout, int resolution, int pageCount, DrawPage drawPage,
                       Commands commands, QWidget *parent = nullptr);

    int pageCount() const;
    QPageLayout pageLayout() const;
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

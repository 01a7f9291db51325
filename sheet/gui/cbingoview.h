#pragma once

#include "setcode.h"
#include "sheetdocument.h"
#include "sheetlabels.h"
#include "sheetset.h"

#include <QAbstractScrollArea>
#include <QSize>

#include <cstdint>
#include <optional>

class QPainter;
class QPrinter;
struct SheetServices;

// The scrolling view of the sheets. Creating it runs the setup dialog and makes the sheets;
// painting draws only the rows that meet the area being painted. It also prints them.
class CBINGOView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class State {
        Ready,    // the sheets are made
        Declined, // the setup dialog was cancelled
        Failed,   // the sheets could not be made; the user has been told why
    };

    // The generator is seeded with seed, or with the services' clock when there is none.
    CBINGOView(SheetServices &services, QPrinter &printer, std::optional<std::uint32_t> seed,
               QWidget *parent = nullptr);

    State state() const { return m_state; }
    const SheetSet &sheetSet() const { return m_sheetSet; }
    // The scroll range in pixels.
    QSize totalSize() const { return m_totalSize; }
    int sheetFontHeight() const;
    // The code of the set on screen: the seed it was made from and its top number.
    SetCode setCode() const { return {m_seed, m_sheetSet.topNumber()}; }
    // Numbered sheets carry their number and the set's code on screen and on paper.
    bool isNumbered() const { return m_numbering.on; }
    void setNumbered(bool on);

    // Makes the sheets of a saved document in place of those shown; false, with the user told
    // why, when they cannot be made, and the sheets shown stay.
    bool makeSheets(const SheetDocument &document);
    // The document that makes the sheets shown again.
    SheetDocument document() const;

    void OnInitialUpdate();
    // Paints the part `exposed` of the viewport.
    void OnDraw(QPainter &painter, const QRect &exposed);

    void OnFilePrint();
    // Prints every page to the current printer without the dialog; false when that failed.
    bool OnFilePrintDirect();
    void OnFilePrintPreview();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int OnPreparePrinting() const;
    // Prints the pages the printer's range asks for; false, with the user told why, on failure.
    bool OnPrint(QPrinter &printer);
    void updateScrollBars();
    // Where the sheets end, right and below, in pixels, with a margin as wide as the one left
    // of and above them.
    QSize sheetsEnd() const;

    SheetServices &m_services;
    QPrinter &m_printer;
    SheetSet m_sheetSet;
    State m_state = State::Failed;
    QSize m_totalSize;
    std::uint32_t m_seed = 0;
    SheetNumbering m_numbering;
};

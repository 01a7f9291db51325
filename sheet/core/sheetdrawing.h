#pragma once

#include "sheetlabels.h"
#include "sheetlayout.h"
#include "textcolour.h"

#include <QSizeF>

#include <functional>

#include <span>

class QPagedPaintDevice;
class QPainter;
class SheetSet;

// The one drawing of the sheets, for screen, printer, preview and file alike. The painter works
// in 0.01-inch units, y downwards, with the run's top-left corner at its origin.

// How the numbers look: the sheet text colour and the sheet font's character height.
struct SheetInk
{
    Rgb colour;
    int fontHeight = 48;
};

// A run of whole sheets (25 cells each) and the part of it to draw; each sheet is drawn at its
// place in the whole run, so drawing part of a run gives the same pixels there as drawing all.
struct SheetRun
{
    std::span<const int> cells;
    SheetRange visible;

    explicit SheetRun(std::span<const int> runCells);
    SheetRun(std::span<const int> runCells, SheetRange part);
};

// Fills the cyan rectangles of the sheets.
void DrawSheetBackgrounds(QPainter &painter, const SheetRun &run);
// Draws the numbers "%02d" on yellow and the star over the centre cell, and leaves the painter
// with the sheet colour on yellow as its text colours.
void DrawSheetNumbers(QPainter &painter, const SheetRun &run, const SheetInk &ink);

// A surface for pages: the printable area's size in device pixels and the device resolution.
struct PageSurface
{
    QSizeF size;
    qreal dpiX = 100;
    qreal dpiY = 100;

    static PageSurface of(const QPagedPaintDevice &device);
};

// Draws page `page` (from 1) of the set from the top-left corner of the surface: up to eight
// sheets and the page number, four rows of two on a tall surface and two rows of four on a wide
// one, shrunk uniformly where the surface is too small for them; with numbering on, the sheets'
// labels too.
void printSheetPage(QPainter &painter, const SheetSet &set, int page, const PageSurface &surface,
                    int sheetFontHeight, const SheetNumbering &numbering = {});
// Told after each page how many of how many are done; returns false to stop there.
using PageProgress = std::function<bool(int done, int total)>;

// Prints the pages from..to onto a printer or file; false when the device cannot be painted on,
// or progress asked to stop.
bool printSheetPages(QPagedPaintDevice &device, const SheetSet &set, int fromPage, int toPage,
                     int sheetFontHeight, const SheetNumbering &numbering = {},
                     const PageProgress &progress = {});

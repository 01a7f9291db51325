#pragma once

#include <QRect>

#include <span>

inline constexpr char DialogTemplateText[] = "DialogTemplate";

// A dialog described as data: a table of controls with their ids, kinds, rectangles in dialog
// units and captions. One builder turns a table into widgets, and tests read the same table
// to check what was built. Captions are Japanese, marked for translation in the context
// DialogTemplateText (QT_TRANSLATE_NOOP), and the builder shows them in the user's language.

enum class ControlKind {
    PushButton,
    GroupBox,
    Frame,       // a sunken black frame that only decorates
    Label,       // static text
    Icon,        // an image; the caption names its resource
    Edit,        // a one-line edit box
    ComboBox,    // a drop-down combobox with editable text
    RadioButton, // an automatic radio button
    ListView,    // a grid of rows and columns, no header
    Custom,      // a widget the dialog supplies through a factory
};

enum ControlFlag : unsigned {
    NoFlags = 0,
    DefaultButton = 1u << 0, // the push button that Enter presses
    StartsGroup = 1u << 1,   // the first radio button of an exclusive group
    TabStop = 1u << 2,       // reachable with the Tab key
    CentredCaption = 1u << 3,
};

// x, y, width and height in dialog units.
struct DialogRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate
{
    int id;
    const char *name; // object name of the built widget; nullptr for the decorating -1 controls
    ControlKind kind;
    DialogRect rect;
    const char *caption; // UTF-8
    unsigned flags = NoFlags;
};

struct DialogTemplate
{
    int id;
    const char *caption; // UTF-8
    const char *fontFamily;
    int pointSize;
    int width; // dialog units
    int height;
    std::span<const ControlTemplate> controls;
};

// The dialog font's base units in pixels: four horizontal dialog units make one average
// character width (x), eight vertical ones one character height (y).
struct DialogBaseUnits
{
    int x = 7;
    int y = 12;

    // The kit's base units at a given logical resolution. At 96 dots per inch they are 7 by 12
    // pixels, which puts the caller's number displays inside their frames; other resolutions
    // scale them like the fonts drawn in points.
    static DialogBaseUnits forResolution(qreal logicalDpi);

    int toPixelsX(int dialogUnits) const { return (dialogUnits * x + 2) / 4; }
    int toPixelsY(int dialogUnits) const { return (dialogUnits * y + 4) / 8; }
    QRect toPixels(const DialogRect &r) const
    {
        return QRect(toPixelsX(r.x), toPixelsY(r.y), toPixelsX(r.width), toPixelsY(r.height));
    }
};


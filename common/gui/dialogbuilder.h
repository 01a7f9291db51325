#pragma once

#include "dialogtemplate.h"

#include <QHash>
#include <QList>

#include <functional>

class QButtonGroup;
class QDialog;
class QWidget;

// What the builder made: the widgets by control id (the decorating -1 controls are kept only
// in order) and one exclusive group per run of radio buttons.
struct BuiltDialog
{
    QHash<int, QWidget *> byId;
    QList<QWidget *> inOrder;
    QList<QButtonGroup *> radioGroups;

    QWidget *widget(int id) const { return byId.value(id); }
    template <typename T> T *get(int id) const { return qobject_cast<T *>(byId.value(id)); }
};

// Turns a dialog template into widgets on a dialog: caption, font, fixed size, and every
// control at its rectangle, in template order (which is also the tab order). Each widget's
// object name is its control's name. Group boxes and frames let clicks through to what lies
// under them, as decorations do.
class DialogBuilder
{
public:
    using Factory = std::function<QWidget *(const ControlTemplate &, QWidget *parent)>;

    explicit DialogBuilder(DialogBaseUnits units)
        : m_units(units)
    {}

    // Builds a control of kind Custom, or replaces the standard widget of any control.
    void setFactory(int controlId, Factory factory)
    {
        m_factories.insert(controlId, std::move(factory));
    }

    BuiltDialog build(QDialog *dialog, const DialogTemplate &dialogTemplate) const;

    const DialogBaseUnits &units() const { return m_units; }

private:
    QWidget *create(const ControlTemplate &control, QWidget *parent) const;

    DialogBaseUnits m_units;
    QHash<int, Factory> m_factories;
};

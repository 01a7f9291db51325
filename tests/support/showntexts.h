#pragma once

#include "japanesetext.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

// What a window shows a reader, gathered for the language tests: every text of its controls,
// menus, tips and title, and the controls whose text needs more room than they have.
class ShownTexts
{
public:
    // Gathers the texts of a window and its children, and of their menus and actions.
    void gather(const QWidget &window)
    {
        add(window.windowTitle(), window);
        visit(window);
        for (const QWidget *child : window.findChildren<QWidget *>())
            visit(*child);
    }
    void gather(const QMenu &menu)
    {
        add(menu.title(), menu);
        for (const QAction *action : menu.actions())
            gather(action, menu);
    }
    // A text shown elsewhere: a message box, a file dialog's title, a painted line.
    void add(const QString &text, const QString &where)
    {
        if (!text.isEmpty())
            m_texts.append(where + QStringLiteral(": ") + text);
    }

    QStringList texts() const { return m_texts; }
    QStringList japanese() const { return m_texts.filter(japaneseText); }
    QStringList tooWide() const { return m_tooWide; }

private:
    static QString nameOf(const QObject &object)
    {
        return object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className())
                                             : object.objectName();
    }
    void add(const QString &text, const QObject &where) { add(text, nameOf(where)); }

    void gather(const QAction *action, const QWidget &owner)
    {
        add(action->text(), owner);
        add(action->toolTip() == QString(action->text()).remove(u'&') ? QString()
                                                                      : action->toolTip(),
            owner);
        add(action->statusTip(), owner);
        if (action->menu())
            gather(*action->menu());
    }

    void visit(const QWidget &widget)
    {
        add(widget.toolTip(), widget);
        add(widget.statusTip(), widget);
        for (const QAction *action : widget.actions())
            gather(action, widget);
        if (const auto *button = qobject_cast<const QAbstractButton *>(&widget)) {
            add(button->text(), widget);
            const auto *tool = qobject_cast<const QToolButton *>(button);
            // A tool bar button shows its picture, its text only as a tip.
            if (!button->text().isEmpty() &&
                !(tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
                checkWidth(widget, button->text(), buttonTextRoom(*button));
        } else if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
            add(label->text(), widget);
            if (!label->wordWrap() && !label->text().isEmpty())
                checkWidth(widget, label->text(), label->sizeHint().width());
        } else if (const auto *box = qobject_cast<const QGroupBox *>(&widget)) {
            add(box->title(), widget);
            if (!box->title().isEmpty())
                checkWidth(widget, box->title(), groupTitleRoom(*box));
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
            add(edit->placeholderText(), widget);
        } else if (const auto *combo = qobject_cast<const QComboBox *>(&widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i), widget);
        } else if (const auto *table = qobject_cast<const QTableWidget *>(&widget)) {
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    if (const QTableWidgetItem *item = table->item(row, column))
                        add(item->text(), widget);
                }
            }
        } else if (const auto *menu = qobject_cast<const QMenu *>(&widget)) {
            add(menu->title(), widget);
        }
    }

    // The width a button needs for its text: the text, the margins the style puts around it
    // and, for a radio button, the indicator and the space after it.
    static int buttonTextRoom(const QAbstractButton &button)
    {
        const QString text = QString(button.text()).remove(u'&');
        const QStyle *style = button.style();
        const int textWidth = button.fontMetrics().horizontalAdvance(text);
        if (qobject_cast<const QRadioButton *>(&button))
            return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button) +
                   textWidth;
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    }

    // The width a group box needs for its title where the style puts it: from the left edge to
    // the title's end, or, for a centred title, as wide again on the other side.
    static int groupTitleRoom(const QGroupBox &box)
    {
        QStyleOptionGroupBox option;
        option.initFrom(&box);
        option.text = box.title();
        option.textAlignment = box.alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = box.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxLabel, &box);
        return (box.alignment() & Qt::AlignHCenter) ? label.width() + 2 * std::max(0, -label.left())
                                                    : label.right() + 1;
    }

    void checkWidth(const QWidget &widget, const QString &text, int needed)
    {
        if (needed > widget.width())
            m_tooWide << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                             .arg(nameOf(widget), text)
                             .arg(needed)
                             .arg(widget.width());
    }

    QStringList m_texts;
    QStringList m_tooWide;
};

#pragma once

#include "japanesetext.h"
#include "qttranslation.h"
#include "recordingmessages.h"
#include "scriptedfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <functional>

// Rows for a test run once in each language, in a column named "language".
inline void languageRows()
{
    QTest::addColumn<KitLanguage>("language");
    QTest::newRow("English") << KitLanguage::English;
    QTest::newRow("Japanese") << KitLanguage::Japanese;
}

// Runs `handle` on the modal dialog that `open` brings up, then lets the dialog end.
inline void onModal(const std::function<void()> &open, const std::function<void(QDialog &)> &handle)
{
    bool handled = false;
    QTimer::singleShot(0, qApp, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            handle(*dialog);
            handled = true;
            dialog->reject();
        }
    });
    open();
    QVERIFY(handled);
}

// What a program shows its reader while it speaks a language, each text with where it stands,
// and the controls whose text needs more room than they have. The language is the application's,
// installed as the program does at start-up, for as long as this lives.
class ShownTexts
{
public:
    ShownTexts(KitLanguage language, const QString &catalogue)
        : installed(installKitTranslations(*qApp, language, catalogue))
        , m_language(language)
    {}
    // A translator's end takes it out of the application.
    ~ShownTexts() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    // A window or menu and its children with their actions, tips and titles.
    void gather(const QWidget &window)
    {
        add(window.windowTitle(), window);
        visit(window);
        for (const QWidget *child : window.findChildren<QWidget *>())
            visit(*child);
    }
    // The message boxes, questions and file dialogs the program put up.
    void gather(const RecordingMessages &messages, const ScriptedFiles &files)
    {
        for (const RecordingMessages::Shown &box : messages.shown)
            add(box.title + u'|' + box.text, QStringLiteral("message"));
        for (const QString &question : messages.questions)
            add(question, QStringLiteral("question"));
        for (const QString &title : files.titles)
            add(title + u'|' + files.nameFilters.join(u'|'), QStringLiteral("file dialog"));
    }
    // A text shown elsewhere, such as a painted line.
    void add(const QString &text, const QString &where)
    {
        if (!text.isEmpty())
            texts << where + QStringLiteral(": ") + text;
    }

    // Every text fits its control; in English none is left Japanese, in Japanese `kept`
    // ("where: text") stays as written.
    void check(const QString &kept) const
    {
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u'\n')));
        const QStringList japanese = texts.filter(japaneseText);
        if (m_language == KitLanguage::English)
            QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(u'\n')));
        else
            QVERIFY2(texts.contains(kept), qPrintable(texts.join(u'\n')));
    }

    const bool installed;
    QStringList texts;
    QStringList tooWide;

private:
    const KitLanguage m_language;

    static QString nameOf(const QObject &object)
    {
        return object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className())
                                             : object.objectName();
    }
    void add(const QString &text, const QObject &where) { add(text, nameOf(where)); }

    void gather(const QAction &action, const QWidget &owner)
    {
        add(action.text(), owner);
        // Qt makes a tip of the text where none is set.
        if (action.toolTip() != QString(action.text()).remove(u'&'))
            add(action.toolTip(), owner);
        add(action.statusTip(), owner);
        if (action.menu())
            gather(*action.menu());
    }

    void visit(const QWidget &widget)
    {
        add(widget.toolTip(), widget);
        add(widget.statusTip(), widget);
        for (const QAction *action : widget.actions())
            gather(*action, widget);
        if (const auto *button = qobject_cast<const QAbstractButton *>(&widget)) {
            const auto *tool = qobject_cast<const QToolButton *>(button);
            // A tool bar button shows its picture, its text only as a tip.
            const bool iconOnly = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
            fit(widget, button->text(), iconOnly ? 0 : buttonTextRoom(*button));
        } else if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
            fit(widget, label->text(), label->wordWrap() ? 0 : label->sizeHint().width());
        } else if (const auto *box = qobject_cast<const QGroupBox *>(&widget)) {
            fit(widget, box->title(), groupTitleRoom(*box));
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
            add(edit->placeholderText(), widget);
        } else if (const auto *combo = qobject_cast<const QComboBox *>(&widget)) {
            addItems(*combo->model(), widget);
        } else if (const auto *table = qobject_cast<const QTableWidget *>(&widget)) {
            addItems(*table->model(), widget);
        } else if (const auto *menu = qobject_cast<const QMenu *>(&widget)) {
            add(menu->title(), widget);
        }
    }
    void addItems(const QAbstractItemModel &model, const QWidget &widget)
    {
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column)
                add(model.index(row, column).data().toString(), widget);
        }
    }

    // The width a button needs for its text: the text, the margins the style puts around it
    // and, for a radio button, the indicator and the space after it.
    static int buttonTextRoom(const QAbstractButton &button)
    {
        const QStyle *style = button.style();
        const int textWidth =
            button.fontMetrics().horizontalAdvance(QString(button.text()).remove(u'&'));
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
        return (box.alignment() & Qt::AlignHCenter) ? label.width() + 2 * qMax(0, -label.left())
                                                    : label.right() + 1;
    }

    // Keeps the text and notes it where its control is narrower than `needed`.
    void fit(const QWidget &widget, const QString &text, int needed)
    {
        add(text, widget);
        if (!text.isEmpty() && needed > widget.width())
            tooWide << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                           .arg(nameOf(widget), text)
                           .arg(needed)
                           .arg(widget.width());
    }
};

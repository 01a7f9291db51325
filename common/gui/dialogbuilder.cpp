#include "dialogbuilder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

QWidget *DialogBuilder::create(const ControlTemplate &control, QWidget *parent) const
{
    if (auto factory = m_factories.find(control.id); factory != m_factories.end())
        return (*factory)(control, parent);

    // An icon's caption names its picture, which no language changes.
    const QString caption = control.kind == ControlKind::Icon
                                ? QString::fromUtf8(control.caption)
                                : QCoreApplication::translate(DialogTemplateText, control.caption);
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::GroupBox: {
        auto *box = new QGroupBox(caption, parent);
        if (control.flags & CentredCaption)
            box->setAlignment(Qt::AlignHCenter);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    case ControlKind::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(2);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        if (control.flags & CentredCaption)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Icon: {
        auto *label = new QLabel(parent);
        label->setPixmap(QPixmap(caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Edit:
        return new QLineEdit(caption, parent);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays as typed: completing from the list would turn a typed 7 into 75.
        combo->setCompleter(nullptr);
        return combo;
    }
    case ControlKind::RadioButton:
        return new QRadioButton(caption, parent);
    case ControlKind::ListView: {
        auto *table = new QTableWidget(parent);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::NoSelection);
        return table;
    }
    case ControlKind::Custom:
        break;
    }
    return new QWidget(parent);
}

BuiltDialog DialogBuilder::build(QDialog *dialog, const DialogTemplate &dialogTemplate) const
{
    dialog->setWindowTitle(QCoreApplication::translate(DialogTemplateText, dialogTemplate.caption));
    QFont font(QString::fromUtf8(dialogTemplate.fontFamily));
    font.setPointSize(dialogTemplate.pointSize);
    dialog->setFont(font);
    dialog->setFixedSize(m_units.toPixelsX(dialogTemplate.width),
                         m_units.toPixelsY(dialogTemplate.height));

    BuiltDialog built;
    QButtonGroup *group = nullptr;
    bool defaultSet = false;
    for (const ControlTemplate &control : dialogTemplate.controls) {
        QWidget *widget = create(control, dialog);
        if (control.name)
            widget->setObjectName(QString::fromLatin1(control.name));

        QRect rect = m_units.toPixels(control.rect);
        // A drop-down combobox's rectangle includes its open list; closed, it is one line high.
        if (control.kind == ControlKind::ComboBox)
            rect.setHeight(widget->sizeHint().height());
        widget->setGeometry(rect);

        if (control.kind == ControlKind::PushButton || control.kind == ControlKind::Edit ||
            control.kind == ControlKind::ComboBox || control.kind == ControlKind::RadioButton ||
            control.kind == ControlKind::ListView) {
            widget->setFocusPolicy((control.flags & TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        }
        if (auto *button = qobject_cast<QPushButton *>(widget);
            button && (control.flags & DefaultButton) && !defaultSet) {
            button->setDefault(true);
            defaultSet = true;
        }
        if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
            if (!group || (control.flags & StartsGroup)) {
                group = new QButtonGroup(dialog);
                built.radioGroups.append(group);
            }
            group->addButton(radio, control.id);
        }

        if (control.id != -1)
            built.byId.insert(control.id, widget);
        built.inOrder.append(widget);
    }
    return built;
}

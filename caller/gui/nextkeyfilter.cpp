#include "nextkeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

NextKeyFilter::NextKeyFilter(std::function<void()> next, QObject *parent)
    : QObject(parent)
    , m_next(std::move(next))
{
    QCoreApplication::instance()->installEventFilter(this);
}

void NextKeyFilter::watch(QWidget *window)
{
    m_windows << window;
}

bool NextKeyFilter::isNextKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

bool NextKeyFilter::watches(const QWidget *window) const
{
    for (const QPointer<QWidget> &watched : m_windows) {
        if (watched == window)
            return true;
    }
    return false;
}

bool NextKeyFilter::isQuestionOverWatched(const QWidget *window) const
{
    const auto *box = qobject_cast<const QMessageBox *>(window);
    return box && box->button(QMessageBox::No) && box->parentWidget() &&
           watches(box->parentWidget()->window());
}

bool NextKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (!widget || !isNextKey(*key))
        return false;
    const QWidget *window = widget->window();
    if (isQuestionOverWatched(window))
        return true;
    if (!watches(window))
        return false;
    // With a modifier (other than the keypad's, which Enter there carries) the key does
    // nothing at all: passed on, Ctrl+Space would still press whichever button has the focus.
    const bool plain = !(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    if (type == QEvent::KeyPress && plain && !key->isAutoRepeat())
        m_next();
    return true;
}

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

bool NextKeyFilter::takeNewPress(const QKeyEvent &press)
{
    const auto found = m_held.constFind(press.key());
    const bool repeat =
        press.isAutoRepeat() || (found != m_held.constEnd() &&
                                 (!found->released || found->releasedAt == press.timestamp()));
    m_held.insert(press.key(), Held{});
    return !repeat;
}

void NextKeyFilter::takeRelease(const QKeyEvent &release)
{
    // A repeat's release is followed by its press, which the time or the repeat mark gives
    // away. Without a time (a synthesised event) a release counts at once.
    if (release.timestamp() == 0)
        m_held.remove(release.key());
    else
        m_held.insert(release.key(), Held{true, release.timestamp()});
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
    // Presses and releases are followed in every window, so that a key that closed a message
    // box on its press takes no step when its repeats reach the dialog behind.
    bool newPress = false;
    if (type == QEvent::KeyPress)
        newPress = takeNewPress(*key);
    else
        takeRelease(*key);
    const QWidget *window = widget->window();
    if (isQuestionOverWatched(window))
        return true;
    if (!watches(window))
        return false;
    // With a modifier (other than the keypad's, which Enter there carries) the key does
    // nothing at all: passed on, Ctrl+Space would still press whichever button has the focus.
    const bool plain = !(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    if (newPress && plain)
        m_next();
    return true;
}

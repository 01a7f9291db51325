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

bool NextKeyFilter::takeNewPress(const QKeyEvent &press, const QWidget *window)
{
    const auto found = m_held.constFind(press.key());
    const bool known = found != m_held.constEnd();
    const bool repeat = press.isAutoRepeat() ||
                        (known && (!found->released || found->releasedAt == press.timestamp()));
    Held held;
    held.window = !repeat ? window : known ? found->window.data() : nullptr;
    m_held.insert(press.key(), held);
    return !repeat;
}

const QWidget *NextKeyFilter::takeRelease(const QKeyEvent &release)
{
    // A repeat's release is followed by its press, which the time or the repeat mark gives
    // away. Without a time (a synthesised event) a release counts at once.
    const auto found = m_held.find(release.key());
    const QWidget *window = found != m_held.end() ? found->window.get() : nullptr;
    if (release.timestamp() == 0) {
        m_held.remove(release.key());
    } else if (found != m_held.end()) {
        found->released = true;
        found->releasedAt = release.timestamp();
    } else {
        m_held.insert(release.key(), Held{true, release.timestamp(), nullptr});
    }
    return window;
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
    const QWidget *window = widget->window();
    bool newPress = false;
    const QWidget *downIn = nullptr;
    if (type == QEvent::KeyPress) {
        newPress = takeNewPress(*key, window);
        downIn = m_held.value(key->key()).window;
    } else {
        downIn = takeRelease(*key);
    }
    if (isQuestionOverWatched(window))
        return true;
    // A key held down since before this window had it is not this window's key: its repeats
    // would click the box's default or focused button before anyone read the box. A key that
    // went down in a window since closed (a box that its press answered) lost its release with
    // that window; its next press is a new one.
    if (!watches(window))
        return !newPress && downIn && downIn->isVisible() && downIn != window;
    // With a modifier (other than the keypad's, which Enter there carries) the key does
    // nothing at all: passed on, Ctrl+Space would still press whichever button has the focus.
    const bool plain = !(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    if (newPress && plain)
        m_next();
    return true;
}

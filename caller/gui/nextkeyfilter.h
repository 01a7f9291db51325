#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

// The "next" keys of a presenter remote (Space, Enter, Page Down, Right arrow): pressed in one
// of the windows it watches, each press runs the next step once, whichever control has the
// focus, and reaches no control, so it can neither press a focused button nor the default
// one. With Ctrl, Alt or Shift the key does nothing. In a question box opened over these
// windows the keys do nothing, so a remote cannot answer it. It watches the whole application:
// installed on the application object by the constructor, removed when it is destroyed.
//
// A key held down takes one step, whatever the platform reports: once pressed, anywhere in
// the application, a key takes no step until its release is seen. X11 sends a held key's
// repeats as a release and a press of the same time, which Qt often reports as a fresh
// press, so such a pair counts as still held. A window that opens while a key is held (the
// "Bingo End" box after Stop) takes nothing from that key until its release: only a new press
// or a click answers it.
class NextKeyFilter final : public QObject
{
    Q_OBJECT

public:
    NextKeyFilter(std::function<void()> next, QObject *parent = nullptr);

    void watch(QWidget *window);
    static bool isNextKey(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether a press is the start of a new press of its key rather than a repeat of a held
    // one; a release is remembered with its time. Both give the window the key went down in.
    bool takeNewPress(const QKeyEvent &press, const QWidget *window);
    const QWidget *takeRelease(const QKeyEvent &release);
    bool watches(const QWidget *window) const;
    bool isQuestionOverWatched(const QWidget *window) const;

    struct Held
    {
        bool released = false;
        quint64 releasedAt = 0;
        // Where it went down; none when it was already held as the application saw it first.
        QPointer<const QWidget> window;
    };

    std::function<void()> m_next;
    QList<QPointer<QWidget>> m_windows;
    QHash<int, Held> m_held;
};

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

// The "next" keys of a presenter remote (Space, Enter, Page Down, Right arrow): pressed in one
// of the windows it watches, each press runs the next step once, whichever control has the
// focus, and reaches no control, so it can neither press a focused button nor the default
// one. A key held down repeats nothing; with Ctrl, Alt or Shift the key does nothing. In a question
// box opened over these windows the keys do nothing, so a remote cannot answer it. It watches the
// whole application: installed on the application object by the constructor, removed when it is
// destroyed.
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
    bool watches(const QWidget *window) const;
    bool isQuestionOverWatched(const QWidget *window) const;

    std::function<void()> m_next;
    QList<QPointer<QWidget>> m_windows;
};

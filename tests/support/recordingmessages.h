#pragma once

#include "messagepresenter.h"

#include <QList>
#include <QStringList>

#include <functional>

// Stands in for the person reading the message boxes: keeps every box shown and every question
// asked, and answers the questions with `answer`.
class RecordingMessages final : public MessagePresenter
{
public:
    struct Shown
    {
        Icon icon;
        QString title;
        QString text;
        // What `probe` gave as the box opened.
        int probed;
        // The window the box opened over.
        QWidget *parent;
    };

    void show(QWidget *parent, Icon icon, const QString &title, const QString &text) override
    {
        shown.append({icon, title, text, probe(), parent});
    }
    bool ask(QWidget *, const QString &title, const QString &text) override
    {
        questions << title + u'|' + text;
        return answer;
    }
    bool askDefaultYes(QWidget *, const QString &, const QString &text) override
    {
        yesByDefault << text;
        return answer;
    }

    // The text of each box shown, in turn.
    QStringList texts() const
    {
        QStringList all;
        for (const Shown &box : shown)
            all << box.text;
        return all;
    }

    QList<Shown> shown;
    // Each question as "title|text".
    QStringList questions;
    // The text of each question asked with Yes as its default answer.
    QStringList yesByDefault;
    bool answer = false;
    // Read as each box opens, so a test can see the program's state at that moment.
    std::function<int()> probe = [] { return -1; };
};

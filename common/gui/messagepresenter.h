#pragma once

#include <QString>

class QWidget;

// Shows the programs' message boxes. The programs talk to this interface so that tests can
// answer a box without a person; QtMessagePresenter is the real, application-modal one.
class MessagePresenter
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~MessagePresenter() = default;
    // Returns when the user has closed the box.
    virtual void show(QWidget *parent, Icon icon, const QString &title, const QString &text) = 0;
    // Asks a yes-or-no question; true when the user answered yes. No is the default answer.
    virtual bool ask(QWidget *parent, const QString &title, const QString &text) = 0;
    // The same question with Yes as the default answer, for a question where yes is the safe
    // choice. A presenter with no default button of its own answers it as ask().
    virtual bool askDefaultYes(QWidget *parent, const QString &title, const QString &text)
    {
        return ask(parent, title, text);
    }
};

class QtMessagePresenter final : public MessagePresenter
{
public:
    void show(QWidget *parent, Icon icon, const QString &title, const QString &text) override;
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    bool askDefaultYes(QWidget *parent, const QString &title, const QString &text) override;

private:
    static bool askWithDefault(QWidget *parent, const QString &title, const QString &text,
                               bool yesByDefault);
};

#pragma once

#include "countdownplayer.h"

#include <QFrame>

// The sunken area of the countdown clip while this build has no clip player: it opens no clip,
// so it stays empty, as the area does for a clip that cannot be opened.
class AnimatePlaceholder final : public QFrame, public CountdownPlayer
{
    Q_OBJECT

public:
    explicit AnimatePlaceholder(QWidget *parent = nullptr);

    bool open(const QString &path) override;
    void play(int repeat, int fromFrame, int toFrame) override;
    void stop() override;
};

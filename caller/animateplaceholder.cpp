#include "animateplaceholder.h"

AnimatePlaceholder::AnimatePlaceholder(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

bool AnimatePlaceholder::open(const QString &)
{
    return false;
}

void AnimatePlaceholder::play(int, int, int) {}

void AnimatePlaceholder::stop() {}

#include "cuesounds.h"

#include "soundoutput.h"

CueSounds::~CueSounds()
{
    if (m_mciOpen)
        CloseWave();
}

void CueSounds::PlayCue(const QString &fileName)
{
    OpenWave(m_startDir + fileName);
    PlayWave();
}

void CueSounds::OpenWave(const QString &path)
{
    if (m_mciOpen)
        CloseWave();
    m_output.open(path);
    m_mciOpen = 1;
}

void CueSounds::PlayWave()
{
    m_output.play();
}

void CueSounds::CloseWave()
{
    m_output.close();
    m_mciOpen = 0;
}

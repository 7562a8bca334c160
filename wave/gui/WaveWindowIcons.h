#pragma once
#include <QIcon>

// The 32 by 32 icons of a wave window by number: 0 a stereo wave, 1 a mono
// wave, 3 a volume diagram. Any other number gives an empty icon.
QIcon WaveWindowIcon(int number);

enum : int { waveIconStereo = 0, waveIconMono = 1, waveIconVolume = 3 };

#include "SetupProgress.h"

int ProgressPosition(int steps)
{
    float position = static_cast<float>(steps) * 100.0f / static_cast<float>(kInstallStepCount);
    if (position > 99.0f) position = 100.0f;
    if (position < 0.0f) position = 0.0f;
    return static_cast<int>(position);
}

// Times one installation into the default folder: from the click on the start
// button to the final message, beside the 1.0 s that the worker's ten pauses
// take. Prints one line.
#include "InstallerDriver.h"

#include <cstdio>

int wmain()
{
    CleanInstallState();
    double seconds = -1;
    {
        SetupRun run;
        if (!run.Start() || !run.WaitDialog()) {
            std::printf("install_time: the installer did not start\n");
            return 1;
        }
        LARGE_INTEGER frequency, begin, end;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&begin);
        run.ClickStart();
        HWND done = nullptr;
        run.WatchProgressUntilDone(done);
        ::QueryPerformanceCounter(&end);
        if (done) seconds = double(end.QuadPart - begin.QuadPart) / double(frequency.QuadPart);
        run.FinishAndWaitExit(done);
    }
    CleanInstallState();
    if (seconds < 0) {
        std::printf("install_time: the installation did not finish\n");
        return 1;
    }
    std::printf("install_time: one installation %.3f s wall (click to final message) vs 1.000 s of pauses (+%.0f ms)\n",
                seconds, (seconds - 1.0) * 1000.0);
    return 0;
}

// The progress arithmetic of an installation, free of any platform call.
#pragma once

// The worker reports this many steps; the last one fills the bar.
constexpr int kInstallStepCount = 9;

// The progress-bar position (0 to 100) after `steps` reported steps:
// steps * 100 / 9 as a single-precision value, anything above 99 shown as
// 100, the fraction cut. The nine steps give 11, 22, ... 88 and then 100.
int ProgressPosition(int steps);

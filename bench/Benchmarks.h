#pragma once

// The benchmarks of kwintor_bench; bench/main.cpp runs them one after the other.

// Loading and writing the score list at its largest (32767 entries) and its statistics: each
// under 50 ms; writing and reading the kept game: each under 1 ms.
void benchPersistence();

class QString;

// Process start to the first paint of the main and the title window, against an empty main
// window measured the same way in the same run (medians), CPU and peak memory.
void benchStartup(const QString& self);
int benchStartupChild(const char* which);
// A five-dice throw with the real waits (frame timing, CPU), and idle CPU.
void benchMainWindow();
// Screenshots of the main window into `directory`.
void takeScreenshots(const QString& directory);

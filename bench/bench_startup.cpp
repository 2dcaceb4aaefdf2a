// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Start-up of the program: from process start to the first painting of the
// main window, offscreen, and the peak memory of that process. Each
// iteration launches the start-up probe (start-up as the program does it,
// ending at the first painting) and waits for it.
//
// The peak comes from the probe itself (its VmHWM, through a pipe), not from
// wait4's ru_maxrss: a process spawned from this one inherits this one's
// peak, which would hide the probe's own.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kPeakFd = 3;  // where the probe writes its peak

// This process's environment with the offscreen platform and the peak's pipe.
std::vector<std::string> ProbeEnvironment() {
  std::vector<std::string> entries;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*e, "TARVEL_PEAK_FD=", 15) != 0) {
      entries.emplace_back(*e);
    }
  }
  entries.emplace_back("QT_QPA_PLATFORM=offscreen");
  entries.emplace_back("TARVEL_PEAK_FD=" + std::to_string(kPeakFd));
  return entries;
}

struct Launch {
  bool ok = false;
  const char* error = nullptr;
  double seconds = 0;
  long peakKiB = 0;
};

// One run of the probe, timed from before the spawn to its end.
Launch RunProbe(std::string& program, std::vector<char*>& envp) {
  Launch launch;  // filled in only when the launch succeeds
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return {false, "pipe2 failed"};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], kPeakFd);  // the copy stays open across exec
  char* argv[] = {program.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    return {false, "the start-up probe could not be launched"};
  }
  std::string report;
  char buffer[64];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0) report.append(buffer, static_cast<std::size_t>(n));
    else if (errno != EINTR) break;
  }
  close(pipeFds[0]);
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return {false, "waitpid failed"};
  launch.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {false, "the start-up probe did not paint its window"};
  launch.peakKiB = std::atol(report.c_str());
  if (launch.peakKiB <= 0) return {false, "the start-up probe reported no peak"};
  launch.ok = true;
  return launch;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  std::vector<std::string> entries = ProbeEnvironment();
  std::vector<char*> envp;
  for (std::string& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = TARVEL_STARTUP_PROBE;

  long peakKiB = 0;
  double totalKiB = 0;
  for (auto _ : state) {
    const Launch launch = RunProbe(program, envp);
    if (!launch.ok) {
      state.SkipWithError(launch.error);
      break;
    }
    state.SetIterationTime(launch.seconds);
    peakKiB = std::max(peakKiB, launch.peakKiB);
    totalKiB += static_cast<double>(launch.peakKiB);
  }
  // Megabytes of 10^6 bytes: the largest peak of all launches, and the mean.
  state.counters["peak_MB"] = static_cast<double>(peakKiB) * 1024 / 1e6;
  state.counters["mean_peak_MB"] = benchmark::Counter(totalKiB * 1024 / 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

// Runs a command with its standard output sent to a file and prints what it
// cost: "CPU_SECONDS PEAK_RSS_KIB WALL_SECONDS" (CPU is user + system time
// of the command and its children, from wait4). The benchmarks use it so
// that figures and references come from the same measurement.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zarvel-measure OUT_FILE COMMAND [ARG...]\n");
    return 2;
  }
  const int out = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) {
    std::perror(argv[1]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 2;
  }
  if (child == 0) {
    dup2(out, STDOUT_FILENO);
    execv(argv[2], argv + 2);
    std::perror(argv[2]);
    _exit(127);
  }
  close(out);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) {
    std::perror("wait4");
    return 2;
  }
  const std::chrono::duration<double> wall =
      std::chrono::steady_clock::now() - start;
  const double cpu =
      static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::printf("%.4f %ld %.4f\n", cpu, usage.ru_maxrss, wall.count());
  if (!WIFEXITED(status)) return 1;
  return WEXITSTATUS(status);
}

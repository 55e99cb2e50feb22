// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Starts a program and prints how long its first top-level window took to be
// mapped, in milliseconds, and its resident memory at that moment, in KiB:
//   map_watch PROGRAM [ARGS...]   ->   "41.237 30512"
// With MAP_WATCH_PAINT=1 in the environment it then watches the window's
// pixels for 1.5 s and adds when they first showed the window as finished
// (one of the images of its last half second, which a blinking caret may
// alternate between), and the CPU time the program had used by then:
// "41.237 30512 58.004 40.000".
// The root window's SubstructureNotify is selected before the program starts,
// so the MapNotify cannot be missed and nothing polls.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

double now_ms() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long resident_kib(pid_t pid) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
  FILE *f = std::fopen(path, "r");
  if (!f)
    return -1;
  char line[256];
  long kib = -1;
  while (std::fgets(line, sizeof line, f))
    if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
      break;
  std::fclose(f);
  return kib;
}

// The CPU time the process has used, in milliseconds: on a loaded machine
// a steadier yardstick than the clock.
double cpu_ms(pid_t pid) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
  FILE *f = std::fopen(path, "r");
  if (!f)
    return -1;
  char line[1024];
  const bool read = std::fgets(line, sizeof line, f) != nullptr;
  std::fclose(f);
  const char *after_name = read ? std::strrchr(line, ')') : nullptr;
  unsigned long user = 0, system = 0;
  if (!after_name || std::sscanf(after_name + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                                 &user, &system) != 2)
    return -1;
  return static_cast<double>(user + system) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) { // 2 s for a clean exit, then force it
    if (waitpid(pid, nullptr, WNOHANG) == pid)
      return;
    usleep(10'000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

int ignore_errors(Display *, XErrorEvent *) {
  return 0; // a window not viewable yet has no image
}

// The window's pixels, hashed (FNV-1a); 0 when it has none to give.
unsigned long long image_hash(Display *display, Window window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
    return 0;
  XImage *image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!image)
    return 0;
  unsigned long long hash = 14695981039346656037ull;
  const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * image->height;
  for (std::size_t i = 0; i < bytes; ++i)
    hash = (hash ^ static_cast<unsigned char>(image->data[i])) * 1099511628211ull;
  XDestroyImage(image);
  return hash;
}

// When the window first looked as it does at the end of 1.5 s of watching.
double finished_painting(Display *display, Window window, double start, pid_t pid, double &cpu) {
  XSetErrorHandler(ignore_errors);
  struct Sample {
    double at;
    unsigned long long hash;
  };
  std::vector<Sample> samples;
  std::vector<double> cpus;
  const double first = now_ms();
  while (now_ms() - first < 1500) {
    samples.push_back({now_ms() - start, image_hash(display, window)});
    cpus.push_back(cpu_ms(pid));
  }
  const double end = samples.back().at;
  for (std::size_t i = 0; i < samples.size(); ++i)
    for (const Sample &last : samples)
      if (last.at >= end - 500 && last.hash == samples[i].hash && samples[i].hash != 0) {
        cpu = cpus[i];
        return samples[i].at;
      }
  cpu = cpus.back();
  return end;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: map_watch PROGRAM [ARGS...]\n");
    return 2;
  }
  Display *display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "map_watch: cannot open the display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  const int fd = ConnectionNumber(display);
  fcntl(fd, F_SETFD, FD_CLOEXEC);

  const double start = now_ms();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    std::fprintf(stderr, "map_watch: %s: %s\n", argv[1], std::strerror(errno));
    _exit(127);
  }
  if (pid < 0)
    return 2;

  const double deadline = start + 30'000;
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      // Menus and tooltips are override-redirect; only a real top-level counts.
      if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
        const double mapped = now_ms();
        const long kib = resident_kib(pid);
        if (const char *paint = std::getenv("MAP_WATCH_PAINT"); paint && *paint == '1') {
          double cpu = 0;
          const double painted = finished_painting(display, event.xmap.window, start, pid, cpu);
          std::printf("%.3f %ld %.3f %.1f\n", mapped - start, kib, painted, cpu);
        }
        else
          std::printf("%.3f %ld\n", mapped - start, kib);
        stop(pid);
        return 0;
      }
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "map_watch: %s exited before mapping a window\n", argv[1]);
      return 1;
    }
    const double left = deadline - now_ms();
    if (left <= 0) {
      std::fprintf(stderr, "map_watch: %s mapped no window in 30 s\n", argv[1]);
      stop(pid);
      return 1;
    }
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1,
         left < 100 ? static_cast<int>(left) + 1 : 100); // 100 ms: only to notice an early exit
  }
}

// Measures a program's cold start: from just before it is spawned until its first top-level
// window is mapped on the X display, then kills it and prints the milliseconds.
//
// Usage: cold_start [--describe] [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]
//
// A top-level window is a child of the root window, so SubstructureNotify on the root reports its
// creation and its mapping; a child of the root is viewable as soon as it is mapped. Under a
// reparenting window manager the window that maps on the root is the frame the manager made for
// the program's window, so that is what is timed there. --describe writes the window found to
// standard error, so that a person can check it is the one meant.
//
// Exit status: 0 measured, 1 bad usage or no display, 2 the program could not be started or
// ended before it showed a window, 3 no window within the timeout.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Options {
  bool describe = false;
  double timeoutSeconds = 30;
  std::vector<char*> command;  // null-terminated, for posix_spawnp
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--") {
      ++i;
      break;
    }
    if (argument == "--describe") {
      options.describe = true;
    } else if (argument == "--timeout" && i + 1 < argc) {
      options.timeoutSeconds = std::atof(argv[++i]);
    } else {
      return std::nullopt;
    }
  }
  if (i >= argc || options.timeoutSeconds <= 0) return std::nullopt;
  options.command.assign(argv + i, argv + argc);
  options.command.push_back(nullptr);
  return options;
}

double NowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::optional<unsigned long> WindowPid(Display* display, Window window) {
  const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::optional<unsigned long> pid;
  if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &remaining, &data) == Success &&
      type == XA_CARDINAL && format == 32 && count == 1) {
    // Xlib hands 32-bit properties back as longs.
    pid = *reinterpret_cast<unsigned long*>(data);
  }
  if (data) XFree(data);
  return pid;
}

// The pid that the window, or the program's window inside a window manager's frame, carries.
std::optional<unsigned long> FindPid(Display* display, Window window, int depth) {
  if (const auto pid = WindowPid(display, window)) return pid;
  if (depth == 0) return std::nullopt;
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  std::optional<unsigned long> pid;
  if (XQueryTree(display, window, &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && !pid; ++i) pid = FindPid(display, children[i], depth - 1);
    if (children) XFree(children);
  }
  return pid;
}

// Windows that carry no pid at all are taken as the program's: nothing else is started on the
// display while it is measured.
bool BelongsTo(Display* display, Window window, pid_t child) {
  constexpr int kFrameDepth = 3;
  const auto pid = FindPid(display, window, kFrameDepth);
  return !pid || *pid == static_cast<unsigned long>(child);
}

void Describe(Display* display, Window window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  char* name = nullptr;
  XFetchName(display, window, &name);
  std::fprintf(stderr, "cold_start: window 0x%lx, %dx%d at %d,%d, title \"%s\"%s\n", window,
               attributes.width, attributes.height, attributes.x, attributes.y, name ? name : "",
               attributes.override_redirect ? ", override-redirect" : "");
  if (name) XFree(name);
}

std::optional<pid_t> Spawn(const std::vector<char*>& command) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The program's own output would mix with the figure on standard output.
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, command[0], &actions, nullptr, command.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    std::fprintf(stderr, "cold_start: cannot start %s: %s\n", command[0], std::strerror(error));
    return std::nullopt;
  }
  return pid;
}

void Stop(pid_t child) {
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

bool ChildEnded(pid_t child) {
  int status = 0;
  return waitpid(child, &status, WNOHANG) == child;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: cold_start [--describe] [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]\n");
    return 1;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cold_start: cannot open display %s\n", XDisplayName(nullptr));
    return 1;
  }
  const int connection = ConnectionNumber(display);
  fcntl(connection, F_SETFD, FD_CLOEXEC);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  // Everything that happened before the program starts is dropped, and the server has the
  // selection before the program can make a window.
  XSync(display, True);

  const double start = NowMilliseconds();
  const auto child = Spawn(options->command);
  if (!child) return 2;

  // Waiting blocks on the connection; the slice only bounds how late an ended program is noticed.
  constexpr int kSliceMilliseconds = 50;
  const double deadline = start + options->timeoutSeconds * 1e3;
  std::set<Window> created;
  while (true) {
    if (XPending(display) == 0) {
      if (ChildEnded(*child)) {
        std::fprintf(stderr, "cold_start: %s ended before it showed a window\n",
                     options->command[0]);
        return 2;
      }
      if (NowMilliseconds() > deadline) {
        std::fprintf(stderr, "cold_start: no window from %s within %g s\n", options->command[0],
                     options->timeoutSeconds);
        Stop(*child);
        return 3;
      }
      pollfd readable{connection, POLLIN, 0};
      poll(&readable, 1, kSliceMilliseconds);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    const double now = NowMilliseconds();
    if (event.type == CreateNotify) {
      created.insert(event.xcreatewindow.window);
    } else if (event.type == MapNotify && created.count(event.xmap.window) &&
               BelongsTo(display, event.xmap.window, *child)) {
      if (options->describe) Describe(display, event.xmap.window);
      Stop(*child);
      std::printf("%.1f\n", now - start);
      XCloseDisplay(display);
      return 0;
    }
  }
}

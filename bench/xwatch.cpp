// Starts a program on the X display and prints, in milliseconds since it was started, when each
// of its windows is mapped, first drawn into and unmapped, and when the pixels of chosen
// rectangles of its windows change. It only watches: the program gets no input from here.
//
//   xwatch [--area NAME:WINDOW:X,Y,W,H]... -- PROGRAM [ARGUMENT]...
//
// WINDOW counts the program's own top-level windows in the order they are first mapped, from 1;
// X, Y, W, H are in that window's pixels. One event a line, flushed at once:
//   <ms> start <pid>
//   <ms> map <window> <width>x<height> <title>
//   <ms> paint <window>          the first drawing into the window after it was mapped
//   <ms> change <name> <hash>    the area's pixels changed; equal hashes mean equal pixels
//   <ms> unmap <window>
//   <ms> exit <status>
//
// Drawing is seen through the DAMAGE extension, so the watcher sleeps until the server has put
// pixels into a watched window and reads them at once: a change is timed to well under a
// millisecond after the server drew it, without polling that would compete for the processor.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Area {
    std::string name;
    int window = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::optional<std::uint64_t> hash;
    std::optional<double> dirtySince;   // first drawing into it not yet looked at
};

struct Watched {
    int index = 0;   // 0 until the program first maps it
    bool painted = false;
};

timespec g_start;

double elapsedMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - g_start.tv_sec) * 1e3 + (now.tv_nsec - g_start.tv_nsec) / 1e6;
}

void report(double ms, const std::string &event)
{
    std::printf("%.3f %s\n", ms, event.c_str());
    std::fflush(stdout);
}

// Windows vanish while we look at them; a failed request just yields no answer.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

std::optional<Area> parseArea(const std::string &text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0)
        return std::nullopt;
    Area area;
    area.name = text.substr(0, colon);
    if (std::sscanf(text.c_str() + colon + 1, "%d:%d,%d,%d,%d", &area.window, &area.x, &area.y,
                    &area.width, &area.height) != 5
        || area.window < 1 || area.width < 1 || area.height < 1)
        return std::nullopt;
    return area;
}

// FNV-1a over the pixel values, so that equal pictures give equal hashes whatever padding the
// server leaves in its image.
std::optional<std::uint64_t> pixelHash(Display *display, Window window, const Area &area)
{
    XImage *image = XGetImage(display, window, area.x, area.y, area.width, area.height,
                              AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            hash ^= XGetPixel(image, x, y) & 0xffffff;
            hash *= 1099511628211ull;
        }
    }
    XDestroyImage(image);
    return hash;
}

class Watcher {
public:
    Watcher(Display *display, int damageEvent, std::vector<Area> areas)
        : m_display(display), m_areas(std::move(areas)), m_damageEvent(damageEvent)
    {
        m_pidAtom = XInternAtom(display, "_NET_WM_PID", False);
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }

    void setProgram(pid_t pid) { m_pid = pid; }

    void handle(const XEvent &event)
    {
        const double now = elapsedMs();
        switch (event.type) {
        case CreateNotify:
            if (event.xcreatewindow.parent == DefaultRootWindow(m_display)
                && !event.xcreatewindow.override_redirect)
                startWatching(event.xcreatewindow.window, now);
            break;
        case MapNotify:
            if (event.xmap.event == event.xmap.window)
                mapped(event.xmap.window, now);
            break;
        case UnmapNotify:
            if (event.xunmap.event == event.xunmap.window)
                if (const int index = indexOf(event.xunmap.window))
                    report(now, "unmap " + std::to_string(index));
            break;
        case DestroyNotify:
            m_windows.erase(event.xdestroywindow.window);
            break;
        default:
            if (event.type == m_damageEvent + XDamageNotify)
                damaged(reinterpret_cast<const XDamageNotifyEvent &>(event), now);
        }
    }

    // Reads the rectangles drawn into since the last look, once the queue is empty, so that a
    // burst of drawing costs one read.
    void lookAtDirtyAreas()
    {
        for (Area &area : m_areas) {
            if (!area.dirtySince)
                continue;
            const Window window = windowOf(area.window);
            const auto hash = window ? pixelHash(m_display, window, area) : std::nullopt;
            if (hash && hash != area.hash) {
                area.hash = hash;
                char text[32];
                std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(*hash));
                report(*area.dirtySince, "change " + area.name + " " + text);
            }
            area.dirtySince.reset();
        }
    }

private:
    void startWatching(Window window, double now)
    {
        m_windows[window] = Watched{};
        XSelectInput(m_display, window, StructureNotifyMask);
        XDamageCreate(m_display, window, XDamageReportRawRectangles);
        // The program may have mapped it before we asked to hear of it.
        XWindowAttributes attributes;
        if (XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state != IsUnmapped)
            mapped(window, now);
    }

    void mapped(Window window, double now)
    {
        const auto found = m_windows.find(window);
        if (found == m_windows.end() || !ownedByProgram(window))
            return;
        Watched &watched = found->second;
        if (watched.index == 0)
            watched.index = ++m_mappedCount;
        XWindowAttributes attributes{};
        XGetWindowAttributes(m_display, window, &attributes);
        char *name = nullptr;
        XFetchName(m_display, window, &name);
        report(now, "map " + std::to_string(watched.index) + " " + std::to_string(attributes.width) + "x"
                        + std::to_string(attributes.height) + " " + (name ? name : ""));
        if (name)
            XFree(name);
        for (Area &area : m_areas) {
            if (area.window == watched.index)
                area.hash = pixelHash(m_display, window, area);
        }
    }

    void damaged(const XDamageNotifyEvent &event, double now)
    {
        const auto found = m_windows.find(event.drawable);
        if (found == m_windows.end() || found->second.index == 0)
            return;
        Watched &watched = found->second;
        if (!watched.painted) {
            watched.painted = true;
            report(now, "paint " + std::to_string(watched.index));
        }
        const XRectangle &drawn = event.area;
        for (Area &area : m_areas) {
            if (area.window != watched.index || area.dirtySince)
                continue;
            const bool overlaps = drawn.x < area.x + area.width && area.x < drawn.x + drawn.width
                && drawn.y < area.y + area.height && area.y < drawn.y + drawn.height;
            if (overlaps)
                area.dirtySince = now;
        }
    }

    bool ownedByProgram(Window window) const
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long left = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &left, &data) != Success || !data)
            return false;
        const bool owned = format == 32 && count == 1
            && static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data)) == m_pid;
        XFree(data);
        return owned;
    }

    int indexOf(Window window) const
    {
        const auto found = m_windows.find(window);
        return found == m_windows.end() ? 0 : found->second.index;
    }

    Window windowOf(int index) const
    {
        for (const auto &[window, watched] : m_windows) {
            if (watched.index == index)
                return window;
        }
        return None;
    }

    Display *m_display;
    std::vector<Area> m_areas;
    std::map<Window, Watched> m_windows;
    int m_mappedCount = 0;
    int m_damageEvent = 0;
    Atom m_pidAtom = None;
    pid_t m_pid = 0;
};

int usage()
{
    std::fprintf(stderr, "usage: xwatch [--area NAME:WINDOW:X,Y,W,H]... -- PROGRAM [ARGUMENT]...\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<Area> areas;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--area") != 0 || first + 1 >= argc)
            return usage();
        const auto area = parseArea(argv[++first]);
        if (!area)
            return usage();
        areas.push_back(*area);
    }
    if (first + 1 >= argc)
        return usage();
    char **program = argv + first + 1;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "xwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    const int connection = ConnectionNumber(display);
    fcntl(connection, F_SETFD, FD_CLOEXEC);   // the program must not share our connection

    Watcher watcher(display, damageEvent, std::move(areas));
    clock_gettime(CLOCK_MONOTONIC, &g_start);
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);   // leaves with the watcher
        execvp(program[0], program);
        _exit(127);
    }
    if (pid < 0) {
        std::perror("xwatch: fork");
        return 1;
    }
    watcher.setProgram(pid);
    report(0, "start " + std::to_string(pid));

    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            watcher.handle(event);
        }
        watcher.lookAtDirtyAreas();
        // Reading pixels may have pulled further events off the connection; waiting on the
        // connection would not see them and would stamp them late.
        if (XEventsQueued(display, QueuedAlready) > 0)
            continue;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            report(elapsedMs(), "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status)
                                                                           : 128 + WTERMSIG(status)));
            break;
        }
        pollfd wait{connection, POLLIN, 0};
        poll(&wait, 1, 20);
    }
    XCloseDisplay(display);
    return 0;
}

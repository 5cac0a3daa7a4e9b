// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the current X display and watches it from outside, as the X
// server sees it: when its main window is mapped and first drawn whole, how its welcome
// panel rises, and what it costs once everything rests (resident memory, wake-ups per
// second, with the main window active and then inactive).
//
// The welcome panel is the first other window of the panel's width to be mapped, whenever
// that happens and whether or not the window manager may manage it. Its rise is judged by
// its top edge: it rests once its top stands at the resting y with its full height, so a
// panel that rises as one window and one that grows upward as it comes into view are
// measured alike.
//
//   velorin_window_probe [options] -- program args...
//
// Prints one line of numbers (see --header for the column names); a value that
// could not be measured is -1. Exits 0 when the main window was seen, 1 when not.
// With --stop-at, the program is ended (SIGTERM) as soon as its main window is mapped or
// first drawn whole, and nothing else is measured: for counting instructions to there.
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

struct Size
{
    int width = 0;
    int height = 0;
};

enum class StopAt { Never, Map, Frame };

struct Options
{
    Size main{601, 645};
    std::string mainName = "Form1";
    Size panel{193, 167};
    int restY = 890;
    double settleSeconds = 3.0;
    double idleSeconds = 5.0;
    double mapTimeoutSeconds = 30.0;
    StopAt stopAt = StopAt::Never;
    bool header = false;
    std::vector<char*> command;
};

const char* const kColumns = "map_ms rss_kib wakeups_per_s panel_map_ms rise_ms panel_x "
                             "panel_y panel_steps idle_moves main_x main_y map_cpu_ms rss_anon_kib "
                             "rss_file_kib frame_ms frame_cpu_ms active_wakeups_per_s";

[[noreturn]] void usage(const char* message)
{
    std::fprintf(stderr,
                 "velorin_window_probe: %s\n"
                 "usage: velorin_window_probe [--size WxH] [--name WM_NAME] [--panel WxH]\n"
                 "         [--rest-y Y] [--settle S] [--idle S] [--map-timeout S]\n"
                 "         [--stop-at map|frame] [--header] -- program args...\n"
                 "columns: %s\n",
                 message, kColumns);
    std::exit(2);
}

double now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

Size parseSize(std::string_view text)
{
    Size size;
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        usage("a size is WIDTHxHEIGHT");
    }
    const auto w = std::from_chars(text.data(), text.data() + x, size.width);
    const auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), size.height);
    if (w.ec != std::errc{} || h.ec != std::errc{} || h.ptr != text.data() + text.size()) {
        usage("a size is WIDTHxHEIGHT");
    }
    return size;
}

StopAt parseStopAt(std::string_view text)
{
    if (text == "map") {
        return StopAt::Map;
    }
    if (text == "frame") {
        return StopAt::Frame;
    }
    usage("--stop-at takes map or frame");
}

double parseSeconds(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < 0) {
        usage("a duration is a number of seconds");
    }
    return value;
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    int i = 1;
    auto value = [&](const char* name) -> const char* {
        if (i + 1 >= argc) {
            usage((std::string(name) + " needs a value").c_str());
        }
        return argv[++i];
    };
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        } else if (arg == "--size") {
            options.main = parseSize(value("--size"));
        } else if (arg == "--name") {
            options.mainName = value("--name");
        } else if (arg == "--panel") {
            options.panel = parseSize(value("--panel"));
        } else if (arg == "--rest-y") {
            options.restY = std::atoi(value("--rest-y"));
        } else if (arg == "--settle") {
            options.settleSeconds = parseSeconds(value("--settle"));
        } else if (arg == "--idle") {
            options.idleSeconds = parseSeconds(value("--idle"));
        } else if (arg == "--map-timeout") {
            options.mapTimeoutSeconds = parseSeconds(value("--map-timeout"));
        } else if (arg == "--stop-at") {
            options.stopAt = parseStopAt(value("--stop-at"));
        } else if (arg == "--header") {
            options.header = true;
        } else {
            usage(("unknown option " + std::string(arg)).c_str());
        }
    }
    for (; i < argc; ++i) {
        options.command.push_back(argv[i]);
    }
    if (options.command.empty()) {
        usage("no program given");
    }
    options.command.push_back(nullptr);
    return options;
}

// One numeric field of /proc/PID/status-like files ("Name:\t123 kB").
std::optional<long long> statusField(const std::string& path, std::string_view field)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.size() > field.size() && line.compare(0, field.size(), field) == 0 &&
            line[field.size()] == ':') {
            return std::atoll(line.c_str() + field.size() + 1);
        }
    }
    return std::nullopt;
}

// Context switches of every thread of the process so far: each one is a wake-up.
long long contextSwitches(pid_t pid)
{
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(taskDir.c_str()), closedir);
    if (!dir) {
        return -1;
    }
    long long total = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string status = taskDir + "/" + entry->d_name + "/status";
        total += statusField(status, "voluntary_ctxt_switches").value_or(0);
        total += statusField(status, "nonvoluntary_ctxt_switches").value_or(0);
    }
    return total;
}

// Time the process has spent on a processor so far, threads that have ended included: unlike
// the wall clock, it does not grow when other work on the machine delays the program.
double cpuSeconds(pid_t pid)
{
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0) {
        return -1;
    }
    return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) * 1e-9;
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// Which pixels of a window have been drawn since it was mapped: the frame is complete
// once every one has.
class DrawnArea
{
public:
    explicit DrawnArea(Size size)
        : m_size(size), m_drawn(static_cast<std::size_t>(size.width * size.height), false)
    {}

    // Returns true when this rectangle completes the area.
    bool add(int x, int y, int width, int height)
    {
        const int right = std::min(x + width, m_size.width);
        const int bottom = std::min(y + height, m_size.height);
        for (int row = std::max(y, 0); row < bottom; ++row) {
            for (int column = std::max(x, 0); column < right; ++column) {
                const auto pixel = static_cast<std::size_t>(row * m_size.width + column);
                if (!m_drawn[pixel]) {
                    m_drawn[pixel] = true;
                    ++m_count;
                }
            }
        }
        return complete();
    }

    bool complete() const { return m_count == m_drawn.size(); }

private:
    Size m_size;
    std::vector<bool> m_drawn;
    std::size_t m_count = 0;
};

class Probe
{
public:
    explicit Probe(Options options) : m_options(std::move(options)) {}

    int run();

private:
    bool connect();
    bool launch();
    // Handles X events until `deadline` or until `done` says so; false when the
    // program has died.
    template <typename Done> bool pump(double deadline, Done done);
    void handle(const xcb_generic_event_t* event, double at);
    void onMap(xcb_window_t window, double at);
    // The window's geometry when it is the panel, first mapped now.
    std::optional<xcb_get_geometry_reply_t> panelGeometry(xcb_window_t window);
    // The panel's window stands at (x, y) with this height: a step of its rise, its rest,
    // or, once everything should rest, a move it should not make.
    void onPanelPlaced(int x, int y, int height, double at);
    void onDamage(const xcb_damage_notify_event_t* damage, double at);
    void watchDrawing(xcb_window_t window);
    bool reachedStop() const;
    bool measureAtRest();
    // Wake-ups per second with the keyboard focus on `focus`; false when the program died.
    bool measureIdle(xcb_window_t focus, double& wakeupsPerSecond);
    // The main window itself, or 0: `window` or, in a window manager's frame, a child.
    xcb_window_t mainWindowIn(xcb_window_t window);
    bool windowMatchesMain(xcb_window_t window);
    std::optional<xcb_get_geometry_reply_t> geometry(xcb_window_t window);
    std::string windowName(xcb_window_t window);
    void watchSubstructure(xcb_window_t window);
    bool programAlive();
    void stopProgram(double patienceSeconds);
    void print() const;

    Options m_options;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    int m_screenHeight = 0;
    uint8_t m_damageEvent = 0;
    pid_t m_pid = -1;
    bool m_exited = false;

    double m_execAt = -1;
    double m_mainMapAt = -1;
    double m_mainMapCpu = -1;
    xcb_window_t m_mainWindow = 0;
    xcb_window_t m_drawnWindow = 0;
    std::optional<DrawnArea> m_drawn;
    double m_frameAt = -1;
    double m_frameCpu = -1;
    int m_mainX = -1;
    int m_mainY = -1;
    xcb_window_t m_panel = 0;
    double m_panelMapAt = -1;
    double m_panelRestAt = -1;
    int m_panelX = -1;
    int m_panelY = -1;
    int m_panelSteps = 0;
    bool m_idle = false;
    int m_idleMoves = 0;
    long long m_rssKib = -1;
    long long m_rssAnonKib = -1;
    long long m_rssFileKib = -1;
    double m_wakeupsPerSecond = -1;
    double m_activeWakeupsPerSecond = -1;
};

bool Probe::connect()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection)) {
        std::fprintf(stderr, "velorin_window_probe: cannot open the X display\n");
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_root = screen->root;
    m_screenHeight = screen->height_in_pixels;
    // The damage extension tells what is drawn into a window, and so when it is complete.
    const xcb_query_extension_reply_t* damage =
        xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "velorin_window_probe: the X server lacks the damage extension\n");
        return false;
    }
    m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(
        m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr));
    watchSubstructure(m_root);
    xcb_flush(m_connection);
    return true;
}

void Probe::watchDrawing(xcb_window_t window)
{
    if (m_drawnWindow != 0) {
        return;
    }
    m_drawnWindow = window;
    m_drawn.emplace(m_options.main);
    xcb_damage_create(m_connection, xcb_generate_id(m_connection), window,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(m_connection);
}

void Probe::onDamage(const xcb_damage_notify_event_t* damage, double at)
{
    if (damage->drawable != m_drawnWindow || m_frameAt >= 0 || m_mainMapAt < 0) {
        return;
    }
    if (m_drawn->add(damage->area.x, damage->area.y, damage->area.width, damage->area.height)) {
        m_frameAt = at;
        m_frameCpu = cpuSeconds(m_pid);
    }
}

void Probe::watchSubstructure(xcb_window_t window)
{
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const auto cookie =
        xcb_change_window_attributes_checked(m_connection, window, XCB_CW_EVENT_MASK, &mask);
    // Before the program starts: a mask that did not take would lose the first map.
    if (auto error = owned(xcb_request_check(m_connection, cookie))) {
        std::fprintf(stderr, "velorin_window_probe: cannot watch window 0x%x (error %d)\n", window,
                     error->error_code);
    }
}

bool Probe::launch()
{
    // The child reports the moment right before exec, or why exec failed.
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) {
        std::perror("velorin_window_probe: pipe");
        return false;
    }
    m_pid = fork();
    if (m_pid < 0) {
        std::perror("velorin_window_probe: fork");
        return false;
    }
    if (m_pid == 0) {
        close(channel[0]);
        // Our standard output carries the numbers only.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        const double at = now();
        if (write(channel[1], &at, sizeof at) != sizeof at) {
            _exit(127);
        }
        execvp(m_options.command[0], m_options.command.data());
        const int error = errno;
        [[maybe_unused]] const auto written = write(channel[1], &error, sizeof error);
        _exit(127);
    }
    close(channel[1]);
    double at = -1;
    const bool gotTime = read(channel[0], &at, sizeof at) == sizeof at;
    int error = 0;
    const bool execFailed = read(channel[0], &error, sizeof error) == sizeof error;
    close(channel[0]);
    if (!gotTime || execFailed) {
        std::fprintf(stderr, "velorin_window_probe: cannot run %s: %s\n", m_options.command[0],
                     std::strerror(error));
        return false;
    }
    m_execAt = at;
    return true;
}

bool Probe::programAlive()
{
    if (m_exited) {
        return false;
    }
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_exited = true;
        std::fprintf(stderr, "velorin_window_probe: the program ended early (status 0x%x)\n",
                     static_cast<unsigned>(status));
        return false;
    }
    return true;
}

template <typename Done> bool Probe::pump(double deadline, Done done)
{
    const int fd = xcb_get_file_descriptor(m_connection);
    while (!done()) {
        while (auto event = owned(xcb_poll_for_event(m_connection))) {
            handle(event.get(), now());
        }
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "velorin_window_probe: lost the X display\n");
            return false;
        }
        if (done() || now() >= deadline) {
            break;
        }
        if (!programAlive()) {
            return false;
        }
        // Short enough to notice the program's death soon; events end the wait at once.
        const double left = deadline - now();
        pollfd readable{fd, POLLIN, 0};
        poll(&readable, 1, static_cast<int>(std::min(left, 0.05) * 1000) + 1);
        if (readable.revents & POLLIN) {
            // Time the events as they arrive, not after the previous batch was handled.
            const double at = now();
            while (auto event = owned(xcb_poll_for_event(m_connection))) {
                handle(event.get(), at);
            }
        }
    }
    return programAlive();
}

void Probe::handle(const xcb_generic_event_t* event, double at)
{
    const uint8_t type = event->response_type & 0x7f;
    if (type == m_damageEvent) {
        onDamage(reinterpret_cast<const xcb_damage_notify_event_t*>(event), at);
        return;
    }
    switch (type) {
    case XCB_CREATE_NOTIFY: {
        // Watched from its creation: the first drawing may follow the map at once.
        const auto* create = reinterpret_cast<const xcb_create_notify_event_t*>(event);
        if (create->parent == m_root && create->width == m_options.main.width &&
            create->height == m_options.main.height) {
            watchDrawing(create->window);
        }
        break;
    }
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        onMap(map->window, at);
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (m_panel != 0 && configure->window == m_panel) {
            onPanelPlaced(configure->x, configure->y, configure->height, at);
        }
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        // Under a window manager the main window is mapped inside a frame.
        const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
        if (reparent->parent != m_root) {
            watchSubstructure(reparent->parent);
        }
        break;
    }
    default:
        break;
    }
}

void Probe::onPanelPlaced(int x, int y, int height, double at)
{
    const bool moved = x != m_panelX || y != m_panelY;
    // A step brings the top to a new place on the screen: the first map counts as one when
    // the panel shows only from its first step on, not when it waits below the screen.
    const bool stepped = y != m_panelY || (m_panelSteps == 0 && y < m_screenHeight);
    m_panelX = x;
    m_panelY = y;
    if (m_idle) {
        m_idleMoves += moved ? 1 : 0;
    } else if (stepped && m_panelRestAt < 0) {
        ++m_panelSteps;
    }
    if (m_panelRestAt < 0 && y == m_options.restY && height == m_options.panel.height) {
        m_panelRestAt = at;
    }
}

std::optional<xcb_get_geometry_reply_t> Probe::panelGeometry(xcb_window_t window)
{
    if (m_panel != 0 || window == m_mainWindow) {
        return std::nullopt;
    }
    const auto g = geometry(window);
    if (!g || g->width != m_options.panel.width || windowMatchesMain(window)) {
        return std::nullopt;
    }
    return g;
}

void Probe::onMap(xcb_window_t window, double at)
{
    if (const auto g = panelGeometry(window)) {
        m_panel = window;
        m_panelMapAt = at;
        m_panelY = m_screenHeight;
        onPanelPlaced(g->x, g->y, g->height, at);
        return;
    }
    if (m_mainMapAt >= 0) {
        return;
    }
    if (const xcb_window_t main = mainWindowIn(window)) {
        m_mainMapAt = at;
        m_mainMapCpu = cpuSeconds(m_pid);
        m_mainWindow = main;
        watchDrawing(main);
        // On the screen, also when a window manager's frame holds the window.
        if (auto place = owned(xcb_translate_coordinates_reply(
                m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0),
                nullptr))) {
            m_mainX = place->dst_x;
            m_mainY = place->dst_y;
        }
    }
}

std::optional<xcb_get_geometry_reply_t> Probe::geometry(xcb_window_t window)
{
    auto reply = owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    if (!reply) {
        return std::nullopt;
    }
    return *reply;
}

std::string Probe::windowName(xcb_window_t window)
{
    auto reply =
        owned(xcb_get_property_reply(m_connection,
                                     xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME,
                                                      XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                     nullptr));
    if (!reply || reply->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

bool Probe::windowMatchesMain(xcb_window_t window)
{
    if (const auto g = geometry(window);
        g && g->width == m_options.main.width && g->height == m_options.main.height) {
        return true;
    }
    return !m_options.mainName.empty() && windowName(window) == m_options.mainName;
}

xcb_window_t Probe::mainWindowIn(xcb_window_t window)
{
    if (windowMatchesMain(window)) {
        return window;
    }
    // A window manager's frame: the main window may be one of its children.
    auto tree =
        owned(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
    if (!tree) {
        return 0;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (windowMatchesMain(children[i])) {
            return children[i];
        }
    }
    return 0;
}

void Probe::stopProgram(double patienceSeconds)
{
    if (m_pid <= 0 || m_exited) {
        return;
    }
    kill(m_pid, SIGTERM);
    const double deadline = now() + patienceSeconds;
    while (now() < deadline) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_exited = true;
            return;
        }
        usleep(10'000);
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_exited = true;
}

void Probe::print() const
{
    auto ms = [](double from, double to) { return from < 0 || to < 0 ? -1.0 : (to - from) * 1e3; };
    auto cpuMs = [](double seconds) { return seconds < 0 ? -1.0 : seconds * 1e3; };
    if (m_options.header) {
        std::printf("%s\n", kColumns);
    }
    std::printf("%.1f %lld %.2f %.1f %.1f %d %d %d %d %d %d %.1f %lld %lld %.1f %.1f %.2f\n",
                ms(m_execAt, m_mainMapAt), m_rssKib, m_wakeupsPerSecond, ms(m_execAt, m_panelMapAt),
                ms(m_panelMapAt, m_panelRestAt), m_panel ? m_panelX : -1, m_panel ? m_panelY : -1,
                m_panel ? m_panelSteps : -1, m_panel ? m_idleMoves : -1, m_mainX, m_mainY,
                cpuMs(m_mainMapCpu), m_rssAnonKib, m_rssFileKib, ms(m_execAt, m_frameAt),
                cpuMs(m_frameCpu), m_activeWakeupsPerSecond);
    std::fflush(stdout);
}

bool Probe::reachedStop() const
{
    switch (m_options.stopAt) {
    case StopAt::Map:
        return m_mainMapAt >= 0;
    case StopAt::Frame:
    case StopAt::Never:
        return m_frameAt >= 0;
    }
    return false;
}

bool Probe::measureIdle(xcb_window_t focus, double& wakeupsPerSecond)
{
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_NONE, focus, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    // Time for the program to take the change in before counting starts.
    if (!pump(now() + 1.0, [] { return false; })) {
        return false;
    }
    const long long before = contextSwitches(m_pid);
    const double from = now();
    if (!pump(from + m_options.idleSeconds, [] { return false; })) {
        return false;
    }
    const long long after = contextSwitches(m_pid);
    if (before >= 0 && after >= 0) {
        wakeupsPerSecond = static_cast<double>(after - before) / (now() - from);
    }
    return true;
}

bool Probe::measureAtRest()
{
    // Long enough for every panel to have risen and come to rest.
    if (!pump(m_mainMapAt + m_options.settleSeconds, [] { return false; })) {
        return false;
    }
    const std::string status = "/proc/" + std::to_string(m_pid) + "/status";
    m_rssKib = statusField(status, "VmRSS").value_or(-1);
    m_rssAnonKib = statusField(status, "RssAnon").value_or(-1);
    m_rssFileKib = statusField(status, "RssFile").value_or(-1);
    m_idle = true;
    // First with the main window active, its text cursor blinking as the desktop says, then
    // with the keyboard taken elsewhere, as when the user has turned to another program.
    return measureIdle(m_mainWindow, m_activeWakeupsPerSecond) &&
           measureIdle(XCB_NONE, m_wakeupsPerSecond);
}

int Probe::run()
{
    if (!connect() || !launch()) {
        return 1;
    }
    bool alive = pump(m_execAt + m_options.mapTimeoutSeconds, [this] { return reachedStop(); });
    const bool seen = alive && m_mainMapAt >= 0;
    if (seen && m_options.stopAt == StopAt::Never) {
        alive = measureAtRest();
    }
    // Under an instrumentation tool the program takes a while to write what it counted.
    stopProgram(m_options.stopAt == StopAt::Never ? 3.0 : 300.0);
    print();
    xcb_disconnect(m_connection);
    return seen && reachedStop() && alive ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    return Probe(parseOptions(argc, argv)).run();
}

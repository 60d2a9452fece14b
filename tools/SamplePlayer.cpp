// A stand-in for an external media player: one top-level window of a chosen class whose
// title changes over time, for the capture tests and the demo.
//
//   SamplePlayer.exe [--hidden] [--interval MS] [--title-file PATH] [--crowd N] [--stalled] [--] CLASS TITLE [TITLE...]
//
// The titles cycle every MS milliseconds (default 1000, 0 = never). With --title-file the
// first line of that file, whenever it can be read, is the title instead, at start and at
// every tick, and TITLE may be left out. --crowd adds N plain shown windows of class
// "QewCrowd", to try the wizard on a crowded desktop. --stalled adds a shown window of class
// "QewStalled" whose thread never reads its messages, as a program that hangs.
#include <windows.h>

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kMaxTitleFileBytes = 64 * 1024;

struct Options {
    bool hidden = false;
    unsigned interval = 1000;
    std::string titleFile;
    unsigned crowd = 0;
    bool stalled = false;
    std::string className;
    std::vector<std::string> titles;
};

struct PlayerState {
    Options options;
    std::size_t current = 0;
};

// The C runtime's rules, on the ANSI command line so that its bytes reach us unchanged:
// 2n backslashes before a quote give n and the quote toggles quoting, 2n+1 give n and a
// literal quote, "" inside quotes is a literal quote, other backslashes are literal.
std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const auto isBlank = [&](std::size_t k) { return line[k] == ' ' || line[k] == '\t'; };

    // The program name has no escapes: it ends at the closing quote or the first blank.
    std::string program;
    if (i < line.size() && line[i] == '"') {
        for (++i; i < line.size() && line[i] != '"'; ++i) program += line[i];
        if (i < line.size()) ++i;
    }
    for (; i < line.size() && !isBlank(i); ++i) program += line[i];
    args.push_back(std::move(program));

    for (;;) {
        while (i < line.size() && isBlank(i)) ++i;
        if (i >= line.size()) break;
        std::string arg;
        bool quoted = false;
        while (i < line.size() && (quoted || !isBlank(i))) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t n = 0;
                while (i < line.size() && line[i] == '\\') { ++n; ++i; }
                if (i < line.size() && line[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2 == 1) { arg += '"'; ++i; }
                } else {
                    arg.append(n, '\\');
                }
            } else if (c == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < line.size()) {
                // A trail byte may look like a quote or backslash; it is not one.
                arg.append(line.substr(i, 2));
                i += 2;
            } else {
                arg += c;
                ++i;
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::optional<unsigned> ParseMilliseconds(std::string_view text) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (value > 0x7FFFFFFFu) return std::nullopt;
    return value;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::size_t i = 1;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") { ++i; break; }
        if (a == "--hidden") {
            options.hidden = true;
        } else if (a == "--stalled") {
            options.stalled = true;
        } else if (a == "--interval") {
            if (++i >= args.size()) return std::nullopt;
            const auto ms = ParseMilliseconds(args[i]);
            if (!ms) return std::nullopt;
            options.interval = *ms;
        } else if (a == "--crowd") {
            if (++i >= args.size()) return std::nullopt;
            const auto n = ParseMilliseconds(args[i]);
            if (!n) return std::nullopt;
            options.crowd = *n;
        } else if (a == "--title-file") {
            if (++i >= args.size() || args[i].empty()) return std::nullopt;
            options.titleFile = args[i];
        } else if (a.starts_with("--")) {
            return std::nullopt;
        } else {
            break;
        }
    }
    if (i >= args.size() || args[i].empty()) return std::nullopt;
    options.className = args[i++];
    options.titles.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (options.titles.empty() && options.titleFile.empty()) return std::nullopt;
    return options;
}

struct HandleCloser {
    HANDLE h;
    explicit HandleCloser(HANDLE handle) : h(handle) {}
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;
    ~HandleCloser() { CloseHandle(h); }
};

// Nothing when the file cannot be opened or is empty: an empty file is more likely a
// writer caught between truncating and writing than a wish for an empty title (a lone
// line break asks for that).
std::optional<std::string> ReadFirstLine(const std::string& path) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    const HandleCloser closer(h);
    std::string text;
    std::string chunk(4096, '\0');
    while (text.size() < kMaxTitleFileBytes && text.find('\n') == std::string::npos) {
        DWORD got = 0;
        if (!ReadFile(h, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        text.append(chunk, 0, got);
    }
    if (text.empty()) return std::nullopt;
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string WindowTitle(HWND hwnd) {
    std::string title(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    title.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, title.data(), static_cast<int>(title.size()))));
    return title;
}

void SetTitle(HWND hwnd, const std::string& title) {
    if (WindowTitle(hwnd) != title) SetWindowTextA(hwnd, title.c_str());
}

void Tick(HWND hwnd, PlayerState& state) {
    const Options& o = state.options;
    if (!o.titleFile.empty()) {
        if (const auto line = ReadFirstLine(o.titleFile)) SetTitle(hwnd, *line);
        return;
    }
    if (o.titles.size() < 2) return;
    state.current = (state.current + 1) % o.titles.size();
    SetTitle(hwnd, o.titles[state.current]);
}

void Paint(HWND hwnd, const PlayerState& state) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));

    InflateRect(&rc, -12, -10);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const std::string label = "Sample player, window class \"" + state.options.className + "\". Now playing:";
    RECT labelRc = rc;
    DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &labelRc,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);

    const std::string title = WindowTitle(hwnd);
    const std::string shown = title.empty() ? "(empty title)" : title;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    rc.top += 22;
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &rc,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<PlayerState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
        break;
    case WM_SETTEXT: {
        // Titles may also be set from outside; the client area follows them all.
        const LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_TIMER:
        if (state && wp == kTimerId) Tick(hwnd, *state);
        return 0;
    case WM_PAINT:
        if (!state) break;
        Paint(hwnd, *state);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kTimerId);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Makes its window, says so, and never looks at its messages again.
DWORD WINAPI StalledThread(void* ready) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "QewStalled";
    RegisterClassExA(&wc);
    CreateWindowExA(0, wc.lpszClassName, "Stalled window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 600, 200, 80,
                    nullptr, nullptr, wc.hInstance, nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    Sleep(INFINITE);
    return 0;
}

// A GUI program has no console, but under Wine or a redirecting parent stderr may exist.
void ReportUsage() {
    static constexpr std::string_view usage =
        "usage: SamplePlayer.exe [--hidden] [--interval MS] [--title-file PATH] [--crowd N] [--stalled] [--] CLASS TITLE [TITLE...]\n";
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err == nullptr || err == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(err, usage.data(), static_cast<DWORD>(usage.size()), &written, nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    auto options = ParseOptions(SplitCommandLine(GetCommandLineA()));
    if (!options) {
        ReportUsage();
        return 2;
    }
    PlayerState state{std::move(*options)};

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = state.options.className.c_str();
    if (!RegisterClassExA(&wc)) return 3;

    const std::string first = state.options.titles.empty() ? std::string() : state.options.titles.front();
    const HWND hwnd = CreateWindowExA(0, wc.lpszClassName, first.c_str(), WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 520, 140, nullptr, nullptr, instance, &state);
    if (!hwnd) return 4;

    if (!state.options.titleFile.empty()) {
        if (const auto line = ReadFirstLine(state.options.titleFile)) SetTitle(hwnd, *line);
    }
    if (state.options.interval > 0) SetTimer(hwnd, kTimerId, state.options.interval, nullptr);
    if (state.options.crowd > 0) {
        WNDCLASSEXA crowd = wc;
        crowd.lpfnWndProc = DefWindowProcA;
        crowd.lpszClassName = "QewCrowd";
        RegisterClassExA(&crowd);
        for (unsigned i = 0; i < state.options.crowd; ++i) {
            const std::string title = "Crowd window " + std::to_string(i + 1);
            CreateWindowExA(0, crowd.lpszClassName, title.c_str(), WS_OVERLAPPED | WS_VISIBLE,
                            static_cast<int>(i % 20) * 40, static_cast<int>(i / 20) * 30, 160, 60, nullptr, nullptr,
                            instance, nullptr);
        }
    }
    if (state.options.stalled) {
        const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (const HANDLE thread = CreateThread(nullptr, 0, StalledThread, ready, 0, nullptr)) {
            WaitForSingleObject(ready, 5000);
            CloseHandle(thread);
        }
        CloseHandle(ready);
    }
    if (!state.options.hidden) {
        ShowWindow(hwnd, show);
        UpdateWindow(hwnd);
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

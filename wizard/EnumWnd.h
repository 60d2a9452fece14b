#pragma once
// The titles of the top-level windows of one class, or of every class with each window's
// class, in the order in which the system reports the windows.

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

class EnumWnd {
public:
    // Leaves out windows of process `skipProcessId`; an empty class matches every class.
    // Returns the number of titles found, 0 when EnumWindows failed.
    int Enumerate(DWORD skipProcessId, const std::string& windowClass, bool visibleOnly, bool includeEmptyTitles);

    // The visible windows of other processes, with their classes, in one walk of every
    // window; empty titles included. A window's class and process do not change while it
    // lives: each is asked once in the object's life, which a walk every tick over a crowded
    // desktop needs.
    int EnumerateAll(DWORD skipProcessId);
    // The same for the windows of the classes named, class by class in that order; the
    // windows of other classes are asked nothing.
    int EnumerateClasses(DWORD skipProcessId, const std::vector<std::string>& classes);

    int Count() const { return static_cast<int>(m_titles.size()); }
    // An index out of range gives an empty title.
    std::string Title(int index) const;
    const std::vector<HWND>& Windows() const { return m_windows; }
    // Filled by EnumerateAll and EnumerateClasses only.
    const std::vector<std::string>& Classes() const { return m_classes; }

private:
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self);
    void Consider(HWND hwnd);
    static BOOL CALLBACK VisitAll(HWND hwnd, LPARAM self);
    // `onlyClass` null: any class.
    void ConsiderAny(HWND hwnd, const std::string* onlyClass);
    void StartWalk(DWORD skipProcessId);
    void EndWalk();

    struct stKnownWindow {
        std::string wndClass;
        DWORD processId = 0;
    };

    DWORD m_skipProcessId = 0;
    std::string m_class;
    bool m_visibleOnly = true;
    bool m_includeEmptyTitles = false;
    std::vector<std::string> m_titles;
    std::vector<HWND> m_windows;
    std::vector<std::string> m_classes;
    std::unordered_map<HWND, stKnownWindow> m_known; // the windows of the last walk
    std::unordered_map<HWND, stKnownWindow> m_walked;

    stKnownWindow& Know(HWND hwnd);
};

#pragma once
// Whether text this program puts on the clipboard is still there after the
// program has ended. On X11 the clipboard is served by the program that
// owns it, and only a clipboard manager takes it over at exit (Qt hands it
// over when one runs); Windows and macOS keep it themselves.

class ClipboardLifetime
{
public:
    static bool OutlivesProgram();

private:
    static bool X11ManagerRuns();
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Recorder: stands in for the application the shell opens a file type with, and
// notes when it was started and with what, in opened.log beside itself (UTF-8).
// A windows program, not a console one: a console window would take the focus.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    // 100 ns steps since 1601 to milliseconds since 1970, as the test's clock counts.
    const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long msecs = ticks / 10'000 - 11'644'473'600'000ULL;
    std::string entry = "at " + std::to_string(msecs / 1000) + '.' + std::to_string(1000 + msecs % 1000).substr(1) + '\n';

    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i)
        entry += utf8(arguments[i]) + '\n';
    entry += "--\n";

    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring log(self, length);
    log = log.substr(0, log.find_last_of(L'\\') + 1) + L"opened.log";
    const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, entry.data(), DWORD(entry.size()), &written, nullptr);
    CloseHandle(file);
    return written == entry.size() ? 0 : 1;
}

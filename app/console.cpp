#include "app/console.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#else
#include <cstdio>
#endif

#ifdef Q_OS_WIN

QStringList programArguments(int, char *[])
{
    QStringList arguments;
    int count = 0;
    if (LPWSTR *words = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments.append(QString::fromWCharArray(words[i]));
        LocalFree(words);
    }
    return arguments;
}

void tellUser(const QString &text, bool error)
{
    HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    // Not redirected: a windowed program writes to the console it was started from.
    if ((!out || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
    if (!out || out == INVALID_HANDLE_VALUE) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Plicanza",
                    MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
    } else {
        const QByteArray bytes = text.toUtf8();
        WriteFile(out, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
}

#else

QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void tellUser(const QString &text, bool error)
{
    std::fputs(text.toUtf8().constData(), error ? stderr : stdout);
}

#endif

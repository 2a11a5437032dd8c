// The record of everything loaded extensions show the user: message boxes and debugger log lines.
#pragma once

#include <windows.h>

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace StandinHost {

struct BoxRecord {
    HMODULE module = nullptr;  // the extension library that showed the box
    HWND owner = nullptr;
    std::wstring title;  // a null title or text is recorded as empty
    std::wstring text;
    UINT style = 0;
    int answer = 0;  // what the stand-in user answered
};

struct LogRecord {
    HMODULE module = nullptr;  // the extension library that wrote the line
    std::wstring text;         // exactly as written, line break included
};

// Safe to use from any thread: extensions may log from threads of their own.
class Recorder {
public:
    // The one record the hooks of every loaded extension library write to. It is never destroyed,
    // so that libraries still logging while the process ends find it alive.
    static Recorder& Instance();

    Recorder() = default;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // A box does not block: it takes the oldest queued answer if the box has that button, else
    // the answer of its default button (IDOK for a plain OK box). A queued answer is used up by
    // the next box either way. A style Windows refuses is answered 0, as Windows does.
    int RecordBox(HMODULE module, HWND owner, std::wstring title, std::wstring text, UINT style);
    void RecordLog(HMODULE module, std::wstring text);

    // Throws std::invalid_argument for a value no message box can answer.
    void QueueAnswer(int answer);
    std::size_t PendingAnswers() const;

    std::vector<BoxRecord> Boxes() const;
    std::vector<BoxRecord> Boxes(HMODULE module) const;
    std::vector<BoxRecord> TakeBoxes();
    std::vector<BoxRecord> TakeBoxes(HMODULE module);

    std::vector<LogRecord> Logs() const;
    std::vector<LogRecord> Logs(HMODULE module) const;
    std::vector<LogRecord> TakeLogs();
    std::vector<LogRecord> TakeLogs(HMODULE module);

    // Forgets boxes, log lines and queued answers.
    void Clear();

    // Echoes each box and log line to stderr as it is recorded, one line each ("[box] title | text",
    // "[log] text"), so that a process that ends abruptly still leaves its last words behind.
    void SetEcho(bool echo);

private:
    mutable std::mutex mutex_;
    std::vector<BoxRecord> boxes_;
    std::vector<LogRecord> logs_;
    std::deque<int> answers_;
    bool echo_ = false;
};

}  // namespace StandinHost

#include "standins/host/Recorder.h"

#include "standins/host/internal/EchoLine.h"
#include "standins/host/internal/MessageBoxButtons.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace StandinHost {
namespace {

template <class Record>
std::vector<Record> OfModule(const std::vector<Record>& records, HMODULE module) {
    std::vector<Record> selected;
    std::copy_if(records.begin(), records.end(), std::back_inserter(selected),
                 [module](const Record& record) { return record.module == module; });
    return selected;
}

template <class Record>
std::vector<Record> TakeOfModule(std::vector<Record>& records, HMODULE module) {
    std::vector<Record> taken = OfModule(records, module);
    std::erase_if(records, [module](const Record& record) { return record.module == module; });
    return taken;
}

void EchoToStderr(std::string line) {
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

Recorder& Recorder::Instance() {
    static Recorder* const instance = new Recorder();
    return *instance;
}

int Recorder::RecordBox(HMODULE module, HWND owner, std::wstring title, std::wstring text, UINT style) {
    std::lock_guard lock(mutex_);
    int answer = DefaultBoxAnswer(style);
    if (!answers_.empty()) {
        if (CanBoxAnswer(style, answers_.front())) answer = answers_.front();
        answers_.pop_front();
    }
    if (echo_) EchoToStderr(BoxEchoLine(title, text));
    boxes_.push_back({module, owner, std::move(title), std::move(text), style, answer});
    return answer;
}

void Recorder::RecordLog(HMODULE module, std::wstring text) {
    std::lock_guard lock(mutex_);
    if (echo_) EchoToStderr(LogEchoLine(text));
    logs_.push_back({module, std::move(text)});
}

void Recorder::QueueAnswer(int answer) {
    if (!IsBoxAnswer(answer)) {
        throw std::invalid_argument("no message box can answer " + std::to_string(answer));
    }
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

std::size_t Recorder::PendingAnswers() const {
    std::lock_guard lock(mutex_);
    return answers_.size();
}

std::vector<BoxRecord> Recorder::Boxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

std::vector<BoxRecord> Recorder::Boxes(HMODULE module) const {
    std::lock_guard lock(mutex_);
    return OfModule(boxes_, module);
}

std::vector<BoxRecord> Recorder::TakeBoxes() {
    std::lock_guard lock(mutex_);
    return std::exchange(boxes_, {});
}

std::vector<BoxRecord> Recorder::TakeBoxes(HMODULE module) {
    std::lock_guard lock(mutex_);
    return TakeOfModule(boxes_, module);
}

std::vector<LogRecord> Recorder::Logs() const {
    std::lock_guard lock(mutex_);
    return logs_;
}

std::vector<LogRecord> Recorder::Logs(HMODULE module) const {
    std::lock_guard lock(mutex_);
    return OfModule(logs_, module);
}

std::vector<LogRecord> Recorder::TakeLogs() {
    std::lock_guard lock(mutex_);
    return std::exchange(logs_, {});
}

std::vector<LogRecord> Recorder::TakeLogs(HMODULE module) {
    std::lock_guard lock(mutex_);
    return TakeOfModule(logs_, module);
}

void Recorder::Clear() {
    std::lock_guard lock(mutex_);
    boxes_.clear();
    logs_.clear();
    answers_.clear();
}

void Recorder::SetEcho(bool echo) {
    std::lock_guard lock(mutex_);
    echo_ = echo;
}

}  // namespace StandinHost

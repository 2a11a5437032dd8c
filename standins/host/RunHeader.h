// The host's run header of one frame as extensions see it: a zero-filled block with the run
// header services installed, the application record, the object-type list, the qualifier table
// and the object table.
#pragma once

#include "standins/host/HostApplication.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace StandinHost {

struct RunHeaderOptions {
    std::int32_t objectListCount = 0;
    // 146-byte object-type list entries instead of 142. The framework asks the call-function
    // service (code 112) once per process which size the host uses, so keep one choice per test
    // process.
    bool largeObjectListEntries = false;
};

// Each service finds the object it serves by rdPtr (see ServiceRegistry), so run headers share
// nothing. Services never throw into the extension: one called with an rdPtr the host does not
// know, out of order or for something the call does not hold writes "[host] ..." to stderr and
// aborts. The address of every block stays fixed for the run header's life; the host
// application must outlive it.
class RunHeader {
public:
    static constexpr std::size_t kSize = 4732;
    // Zero-filled areas, larger than anything the framework reads in them.
    static constexpr std::size_t kApplicationSize = 4096;
    static constexpr std::size_t kQualifierTableSize = 1024;
    static constexpr std::size_t kObjectTableSize = 4096;

    // Answers the call-function code 112 of `host` to match the entry size. Throws
    // std::invalid_argument for a negative object-list count.
    explicit RunHeader(HostApplication& host, RunHeaderOptions options = {});
    RunHeader(const RunHeader&) = delete;
    RunHeader& operator=(const RunHeader&) = delete;

    void* Address() const noexcept { return block_.get(); }
    HostApplication& Host() const noexcept { return host_; }

    // The application record at offset 24; its 16-bit flags at offset 26 give the display mode,
    // which the framework reads once per process.
    void* Application() const noexcept { return application_.get(); }
    void SetApplicationFlags(std::uint16_t flags) noexcept;

    std::int32_t ObjectListCount() const noexcept { return objectListCount_; }
    std::size_t ObjectListEntrySize() const noexcept { return objectListEntrySize_; }
    // Entry `index` of the object-type list; throws std::out_of_range past the count.
    void* ObjectList(std::size_t index) const;
    void* Qualifiers() const noexcept { return qualifiers_.get(); }
    void* ObjectTable() const noexcept { return objectTable_.get(); }

    // When set, the text-buffer service answers null, as a host out of memory does.
    void SetTextBufferFailure(bool fail) noexcept { textBuffersFail_ = fail; }
    bool TextBuffersFail() const noexcept { return textBuffersFail_; }
    // Empties the service slot at `offset`, as a host without that service; throws
    // std::invalid_argument for an offset that holds no service.
    void RemoveService(std::size_t offset);

private:
    HostApplication& host_;
    std::unique_ptr<std::uint8_t[]> block_;
    std::unique_ptr<std::uint8_t[]> application_;
    std::unique_ptr<std::uint8_t[]> objectLists_;
    std::unique_ptr<std::uint8_t[]> qualifiers_;
    std::unique_ptr<std::uint8_t[]> objectTable_;
    std::int32_t objectListCount_;
    std::size_t objectListEntrySize_;
    bool textBuffersFail_ = false;
};

}  // namespace StandinHost

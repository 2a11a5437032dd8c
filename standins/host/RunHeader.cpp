#include "standins/host/RunHeader.h"

#include "sdk/host/RunRecords.h"
#include "standins/host/internal/RunServices.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace StandinHost {
namespace {

using namespace Vantor::Host;

constexpr std::size_t kSmallObjectListEntry = 142;
constexpr std::size_t kLargeObjectListEntry = 146;
static_assert(kRunHeaderObjectTable + sizeof(void*) <= RunHeader::kSize);

std::unique_ptr<std::uint8_t[]> ZeroFilled(std::size_t size) { return std::make_unique<std::uint8_t[]>(size); }

template <class T>
void Put(std::uint8_t* block, std::size_t offset, T value) {
    std::memcpy(block + offset, &value, sizeof value);
}

std::int32_t CheckedCount(std::int32_t count) {
    if (count < 0) throw std::invalid_argument("an object-type list cannot hold " + std::to_string(count) + " entries");
    return count;
}

}  // namespace

RunHeader::RunHeader(HostApplication& host, RunHeaderOptions options)
    : host_(host),
      block_(ZeroFilled(kSize)),
      application_(ZeroFilled(kApplicationSize)),
      qualifiers_(ZeroFilled(kQualifierTableSize)),
      objectTable_(ZeroFilled(kObjectTableSize)),
      objectListCount_(CheckedCount(options.objectListCount)),
      objectListEntrySize_(options.largeObjectListEntries ? kLargeObjectListEntry : kSmallObjectListEntry) {
    if (objectListCount_ > 0)
        objectLists_ = ZeroFilled(static_cast<std::size_t>(objectListCount_) * objectListEntrySize_);
    host_.SetCallAnswer(kCallObjectListEntryIsLarge, options.largeObjectListEntries ? 1 : 0);

    std::uint8_t* block = block_.get();
    Put<void*>(block, kRunHeaderApplication, application_.get());
    Put<std::int32_t>(block, kRunHeaderObjectListCount, objectListCount_);
    Put<void*>(block, kRunHeaderObjectListBase, objectLists_.get());
    Put<void*>(block, kRunHeaderQualifiers, qualifiers_.get());
    Put<void*>(block, kRunHeaderObjectTable, objectTable_.get());
    InstallRunServices(block);
}

void RunHeader::SetApplicationFlags(std::uint16_t flags) noexcept { Put(application_.get(), kApplicationFlags, flags); }

void* RunHeader::ObjectList(std::size_t index) const {
    if (index >= static_cast<std::size_t>(objectListCount_))
        throw std::out_of_range("object-type list entry " + std::to_string(index) + " of " +
                                std::to_string(objectListCount_));
    return objectLists_.get() + index * objectListEntrySize_;
}

void RunHeader::RemoveService(std::size_t offset) {
    if (!IsRunServiceOffset(offset))
        throw std::invalid_argument("run header offset " + std::to_string(offset) + " holds no service");
    Put<RunService>(block_.get(), offset, nullptr);
}

}  // namespace StandinHost

// The debugger edit boxes of one object: queued answers in, a record of every box out.
#pragma once

#include "sdk/host/RunRecords.h"
#include "standins/host/DebugEditBox.h"

#include <deque>
#include <vector>

namespace StandinHost {

class EditBoxScript {
public:
    void Queue(EditBoxAnswer answer) { answers_.push_back(std::move(answer)); }

    // Answers one box with the oldest queued answer, or cancels it when none is queued. OK
    // writes the answer into the record: a text cut to the record's maximum length, always
    // terminated. Throws ServiceRefusal for a broken record or an answer of the other kind.
    std::int32_t Show(EditBoxKind kind, Vantor::Host::DebugEditRecord* record);

    const std::vector<EditBoxCall>& Calls() const noexcept { return calls_; }

private:
    std::deque<EditBoxAnswer> answers_;
    std::vector<EditBoxCall> calls_;
};

}  // namespace StandinHost

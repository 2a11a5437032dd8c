#include "standins/host/internal/EditBoxScript.h"

#include "standins/host/internal/BoundedLength.h"
#include "standins/host/internal/ServiceRefusal.h"

#include <algorithm>
#include <cwchar>

namespace StandinHost {
namespace {

EditBoxCall Shown(EditBoxKind kind, const Vantor::Host::DebugEditRecord& record) {
    EditBoxCall call;
    call.kind = kind;
    if (kind == EditBoxKind::Integer) {
        call.shownValue = record.value;
        return call;
    }
    if (record.text == nullptr) throw ServiceRefusal("the text edit box was given no text buffer");
    if (record.maxLength < 0) throw ServiceRefusal("the text edit box was given a negative maximum length");
    call.maxLength = record.maxLength;
    call.shownText.assign(record.text, BoundedLength(record.text, static_cast<std::size_t>(record.maxLength)));
    return call;
}

}  // namespace

std::int32_t EditBoxScript::Show(EditBoxKind kind, Vantor::Host::DebugEditRecord* record) {
    if (record == nullptr) throw ServiceRefusal("an edit box was given no edit record");
    EditBoxCall call = Shown(kind, *record);
    EditBoxAnswer answer = EditBoxAnswer::Cancel();
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    if (answer.kind && *answer.kind != kind)
        throw ServiceRefusal(kind == EditBoxKind::Integer ? "an integer edit box met a queued text answer"
                                                          : "a text edit box met a queued integer answer");
    if (answer.button == EditBoxAnswer::kOk) {
        if (kind == EditBoxKind::Integer) {
            record->value = answer.value;
        } else {
            const std::size_t length = std::min(answer.text.size(), static_cast<std::size_t>(record->maxLength));
            std::wmemcpy(record->text, answer.text.data(), length);
            record->text[length] = L'\0';
        }
    }
    call.button = answer.button;
    calls_.push_back(std::move(call));
    return answer.button;
}

}  // namespace StandinHost

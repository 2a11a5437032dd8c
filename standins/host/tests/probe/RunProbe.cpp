// A stand-in extension for the stand-in host's run-time tests. Its object has 3 actions (slot 2
// left empty), 2 conditions and 5 expressions; every slot runs the plan a test set with
// RunProbeSetPlan, reading through the run header services, and writes one debugger line per
// call: "A<n>:", "C<n>:" or "E<n>:" with the called number, then one " step=value" per step.
//
// Action and condition steps: w param1,param2; T/U param1/param2 as text; O param1 as object
// record; c the current record; n step the current parameter pointer over its record; h the flags
// word; i/f/r/t/o service 928 with kind 0 (integer), 2 (float), -1 (raw, text, object record);
// 0-9 service 936 for that index. A condition returns the last value of w, i or r.
// Expression steps: I/F/S the next expression parameter as integer, float or text (876 first,
// 880 after); J/N service 876/880 for an integer whatever came before; h the flags word.
// Expression results: 0 the last I; 1 the last F as a float; 2 a copy of the last S in a host
// text buffer; 3 a text of its own ("static"); 4 "ab" unterminated in a 4-byte host buffer.
#include "sdk/host/HostRecords.h"
#include "sdk/host/RunRecords.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>
#include <string_view>

using namespace Vantor::Host;

#define PROBE_EXPORT extern "C" __declspec(dllexport)

namespace {

std::string plan;
bool describes = true;

struct ProbeObject {
    std::uint32_t ticks = 0;
    std::int32_t count = 0;
    std::wstring name = L"probe";
};

ProbeObject*& ObjectOf(RUNDATA* rdPtr) { return reinterpret_cast<ProbeObject*&>(rdPtr->extension); }

RunService Service(RUNDATA* rdPtr, std::size_t offset) {
    RunService service = nullptr;
    std::memcpy(&service, static_cast<const std::uint8_t*>(rdPtr->header.runHeader) + offset, sizeof service);
    return service;
}

std::int32_t Word(const void* pointer) { return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(pointer)); }

template <class T>
T* Pointer(std::int32_t word) {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(word)));
}

std::wstring Format(const wchar_t* format, ...) {
    wchar_t text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vswprintf(text, 512, format, arguments);
    va_end(arguments);
    return text;
}

std::wstring Real(std::int32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return Format(L"%g", static_cast<double>(value));
}

std::wstring TextAt(std::int32_t word) {
    const wchar_t* text = Pointer<const wchar_t>(word);
    return text ? text : L"null";
}

std::wstring ObjectRecordAt(std::int32_t word) {
    const auto* record = Pointer<const ParameterRecord>(word);
    if (!record) return L"null";
    ObjectParameterData data;
    std::memcpy(&data, record + 1, sizeof data);
    return Format(L"%u/%u/%d/%d", record->size, record->code, data.objectListIndex, data.objectNumber);
}

std::wstring CurrentRecord(RUNDATA* rdPtr) {
    const auto* record = static_cast<const ParameterRecord*>(rdPtr->header.currentParameter);
    if (!record) return L"null";
    if (record->size < 8) return Format(L"%u/%u", record->size, record->code);
    std::int32_t data;
    std::memcpy(&data, record + 1, sizeof data);
    return Format(L"%u/%u/%d", record->size, record->code, data);
}

void Log(const std::wstring& line) { OutputDebugStringW(line.c_str()); }

std::int32_t EventCall(RUNDATA* rdPtr, std::int32_t param1, std::int32_t param2, wchar_t kind) {
    std::wstring line = Format(L"%lc%d:", kind, rdPtr->header.calledNumber);
    std::int32_t result = 0;
    auto next = [rdPtr](std::int32_t asked) { return Service(rdPtr, kServiceNextParameter)(rdPtr, asked, 0); };
    for (const char step : plan) {
        switch (step) {
        case 'w': line += Format(L" w=%d,%d", param1, param2); result = param1; break;
        case 'T': line += L" T=" + TextAt(param1); break;
        case 'U': line += L" U=" + TextAt(param2); break;
        case 'O': line += L" O=" + ObjectRecordAt(param1); break;
        case 'c': line += L" c=" + CurrentRecord(rdPtr); break;
        case 'n': {
            auto* record = static_cast<std::uint8_t*>(rdPtr->header.currentParameter);
            rdPtr->header.currentParameter = record + reinterpret_cast<ParameterRecord*>(record)->size;
            break;
        }
        case 'h': line += Format(L" h=%04X", rdPtr->header.flags); break;
        case 'i': result = next(kParameterInteger); line += Format(L" i=%d", result); break;
        case 'f': line += L" f=" + Real(next(kParameterFloat)); break;
        case 'r': result = next(kParameterRaw); line += Format(L" r=%d", result); break;
        case 't': line += L" t=" + TextAt(next(kParameterRaw)); break;
        case 'o': line += L" o=" + ObjectRecordAt(next(kParameterRaw)); break;
        default:
            if (step >= '0' && step <= '9') {
                const std::int32_t bits = Service(rdPtr, kServicePreloadedFloat)(rdPtr, step - '0', 0);
                line += Format(L" %lc=", static_cast<wchar_t>(step)) + Real(bits);
            } else {
                line += Format(L" %lc=?", static_cast<wchar_t>(step));
            }
        }
    }
    Log(line);
    return result;
}

std::int32_t VANTOR_HOSTCALL Action(void* rdPtr, std::int32_t param1, std::int32_t param2) {
    EventCall(static_cast<RUNDATA*>(rdPtr), param1, param2, L'A');
    return 0;
}

std::int32_t VANTOR_HOSTCALL Condition(void* rdPtr, std::int32_t param1, std::int32_t param2) {
    return EventCall(static_cast<RUNDATA*>(rdPtr), param1, param2, L'C');
}

std::int32_t HostText(RUNDATA* rdPtr, const wchar_t* text, std::int32_t bytes, std::wstring& line) {
    auto* buffer = Pointer<wchar_t>(Service(rdPtr, kServiceTextBuffer)(rdPtr, 0, bytes));
    if (!buffer) {
        line += L" B=null";
        return 0;
    }
    std::memcpy(buffer, text, static_cast<std::size_t>(bytes));
    return Word(buffer);
}

std::int32_t VANTOR_HOSTCALL Expression(void* data, std::int32_t) {
    auto* rdPtr = static_cast<RUNDATA*>(data);
    const std::int32_t id = rdPtr->header.calledNumber;
    std::wstring line = Format(L"E%d:", id);
    std::int32_t integer = 0;
    std::int32_t floatBits = 0;
    const wchar_t* text = L"";
    std::int32_t index = 0;  // passed along as the framework does; the host reads in order
    auto read = [&](std::int32_t kind) {
        const std::size_t offset = index == 0 ? kServiceFirstExpressionParameter : kServiceNextExpressionParameter;
        return Service(rdPtr, offset)(rdPtr, kind, index++);
    };
    for (const char step : plan) {
        switch (step) {
        case 'I': integer = read(kExpressionInteger); line += Format(L" I=%d", integer); break;
        case 'F': floatBits = read(kExpressionFloat); line += L" F=" + Real(floatBits); break;
        case 'S': text = Pointer<const wchar_t>(read(kExpressionText)); line += L" S=" + TextAt(Word(text)); break;
        case 'J':
        case 'N': {
            const std::size_t offset = step == 'J' ? kServiceFirstExpressionParameter : kServiceNextExpressionParameter;
            integer = Service(rdPtr, offset)(rdPtr, kExpressionInteger, index++);
            line += Format(L" %lc=%d", static_cast<wchar_t>(step), integer);
            break;
        }
        case 'h': line += Format(L" h=%04X", rdPtr->header.flags); break;
        default: line += Format(L" %lc=?", static_cast<wchar_t>(step));
        }
    }
    std::int32_t result = integer;
    if (id == 1) {
        rdPtr->header.flags |= kResultIsFloat;
        result = floatBits;
    } else if (id >= 2) {
        rdPtr->header.flags |= kResultIsText;
        static const wchar_t kOwnText[] = L"static";
        if (id == 2 && text) result = HostText(rdPtr, text, static_cast<std::int32_t>((std::wcslen(text) + 1) * 2), line);
        if (id == 3) result = Word(kOwnText);
        if (id == 4) result = HostText(rdPtr, L"ab", 4, line);
    }
    Log(line);
    return result;
}

void* conditionTable[] = {reinterpret_cast<void*>(&Condition), reinterpret_cast<void*>(&Condition)};
void* actionTable[] = {reinterpret_cast<void*>(&Action), reinterpret_cast<void*>(&Action), nullptr};
void* expressionTable[] = {reinterpret_cast<void*>(&Expression), reinterpret_cast<void*>(&Expression),
                           reinterpret_cast<void*>(&Expression), reinterpret_cast<void*>(&Expression),
                           reinterpret_cast<void*>(&Expression)};

}  // namespace

PROBE_EXPORT void __stdcall RunProbeSetPlan(const char* steps) { plan = steps; }

PROBE_EXPORT void __stdcall RunProbeSetDescribes(std::int32_t answer) { describes = answer != 0; }

PROBE_EXPORT std::int16_t __stdcall GetRunObjectInfos(mV*, RunInfos* infos) {
    if (!describes) return 0;
    *infos = {};
    infos->conditions = conditionTable;
    infos->actions = actionTable;
    infos->expressions = expressionTable;
    infos->numConditions = 2;
    infos->numActions = 3;
    infos->numExpressions = 5;
    infos->identifier = 'P' | 'R' << 8 | 'B' << 16 | 'E' << 24;
    return 1;
}

PROBE_EXPORT std::int32_t __stdcall CreateRunObject(RUNDATA* rdPtr, void* edPtr, void* cobPtr) {
    Log(Format(L"create ed=%08X cob=%08X rh=%08X oe=%u", Word(edPtr), Word(cobPtr), Word(rdPtr->header.runHeader),
               rdPtr->header.oeFlags));
    ObjectOf(rdPtr) = new ProbeObject;
    return 0;
}

PROBE_EXPORT std::uint32_t __stdcall HandleRunObject(RUNDATA* rdPtr) { return ++ObjectOf(rdPtr)->ticks; }

PROBE_EXPORT std::int32_t __stdcall DestroyRunObject(RUNDATA* rdPtr, std::int32_t fast) {
    ProbeObject* object = ObjectOf(rdPtr);
    if (!object) {
        Log(L"destroy without object");
        return 0;
    }
    Log(Format(L"destroy fast=%d ticks=%u", fast, object->ticks));
    delete object;
    ObjectOf(rdPtr) = nullptr;
    return 0;
}

PROBE_EXPORT const std::uint16_t* __stdcall GetDebugTree(RUNDATA*) {
    static const std::uint16_t kTree[] = {0, 1, 0xFFFF};
    return kTree;
}

// Item 0 "Count: n", 1 "Name: text", 2 writes nothing, 3 fills all 256 characters without an end,
// 4 writes 300 characters and an end.
PROBE_EXPORT void __stdcall GetDebugItem(wchar_t* buffer, RUNDATA* rdPtr, std::int32_t id) {
    const ProbeObject& object = *ObjectOf(rdPtr);
    std::wstring text;
    switch (id) {
    case 0: text = Format(L"Count: %d", object.count); break;
    case 1: text = L"Name: " + object.name; break;
    case 2: return;
    case 3: std::wmemset(buffer, L'x', 256); return;
    case 4: text.assign(300, L'y'); break;
    }
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
}

// Item 0 opens the integer box on the count; item 1 the text box on the name, in a 9-character
// buffer (8 characters at most) followed by a guard the box must leave alone.
PROBE_EXPORT void __stdcall EditDebugItem(RUNDATA* rdPtr, std::int32_t id) {
    ProbeObject& object = *ObjectOf(rdPtr);
    DebugEditRecord record{};
    if (id == 0) {
        record.value = object.count;
        const std::int32_t answer = Service(rdPtr, kServiceEditInteger)(rdPtr, 0, Word(&record));
        if (answer == 1) object.count = record.value;
        Log(Format(L"edit 0 answer=%d", answer));
        return;
    }
    constexpr std::size_t kMaxLength = 8;
    wchar_t buffer[kMaxLength + 1 + 8];
    std::wmemset(buffer, L'#', std::size(buffer));
    const std::size_t length = std::min(object.name.size(), kMaxLength);
    std::wmemcpy(buffer, object.name.c_str(), length);
    buffer[length] = L'\0';
    record.text = buffer;
    record.maxLength = kMaxLength;
    const std::int32_t answer = Service(rdPtr, kServiceEditText)(rdPtr, 0, Word(&record));
    if (answer == 1) object.name = buffer;
    const bool guardKept = std::wstring_view(buffer + kMaxLength + 1, 8) == L"########";
    Log(Format(L"edit 1 answer=%d guard=%ls", answer, guardKept ? L"kept" : L"broken"));
}

#include "sdk/definition/AceTables.h"

#include <new>
#include <string>
#include <string_view>

#include "sdk/definition/Json.h"
#include "sdk/definition/TypeCodes.h"

namespace Vantor {

namespace {

struct KindTexts {
    const char* readTitle;
    const char* notObject;  // before and after the ID
    const char* notObjectEnd;
    const char* tooMany;
    const char* createTitle;
    const char* kindName;    // in the "too many entries" report
    const char* arrayKey;
};

const KindTexts& TextsOf(AceKind kind) {
    static const KindTexts action{"Error reading action JSON",
                                  "Invalid JSON reference for action ID ",
                                  ", expected object.",
                                  "Too many parameters in action ID ",
                                  "Error creating action info",
                                  "action",
                                  "Actions"};
    static const KindTexts condition{"Error reading condition JSON",
                                     "Invalid JSON reference for condition ID ",
                                     ", expected a JSON object.",
                                     "Too many parameters in condition ID ",
                                     "Error creating condition info",
                                     "condition",
                                     "Conditions"};
    static const KindTexts expression{"Error reading expression JSON",
                                      "Invalid JSON reference for expression ID ",
                                      ", expected a JSON object.",
                                      "Too many JSON parameters in expression ID ",
                                      "Error creating expression info",
                                      "expression",
                                      "Expressions"};
    switch (kind) {
        case AceKind::Action: return action;
        case AceKind::Condition: return condition;
        default: return expression;
    }
}

std::uint16_t DefaultFlags(AceKind kind) {
    return kind == AceKind::Condition ? kConditionFlagsNotTriggered : 0;
}

// A type name as it goes into a report: embedded NULs shown as "\0", and at most 200 bytes
// (cut on a UTF-8 boundary) followed by "...".
std::string Shown(std::string_view name) {
    constexpr std::size_t kLimit = 200;
    bool cut = false;
    if (name.size() > kLimit) {
        std::size_t end = kLimit;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name = name.substr(0, end);
        cut = true;
    }
    std::string out;
    out.reserve(name.size() + 3);
    for (char c : name) {
        if (c == '\0')
            out += "\\0";
        else
            out.push_back(c);
    }
    if (cut) out += "...";
    return out;
}

Report UnknownParamReport(AceKind kind, std::string_view name) {
    if (kind == AceKind::Expression)
        return {"Vantor ExpParams error", "Error reading expression parameter type \"" + Shown(name) +
                                              "\", couldn't match it to a ExpParams value."};
    return {"Vantor Params error",
            "Error reading parameter type \"" + Shown(name) + "\", couldn't match it to a Params value."};
}

// Collects reports up to kMaxAceReports and counts the rest.
class CappedReports {
public:
    explicit CappedReports(Reports& out) : out_(out) {}
    void Add(Report report) {
        if (kept_ < kMaxAceReports) {
            out_.push_back(std::move(report));
            ++kept_;
        } else {
            ++dropped_;
        }
    }
    void Finish() {
        if (dropped_ > 0)
            out_.push_back({"Vantor error", std::to_string(dropped_) +
                                                " more problems in the actions, conditions and expressions "
                                                "were not shown."});
    }

private:
    Reports& out_;
    std::size_t kept_ = 0;
    std::size_t dropped_ = 0;
};

std::optional<AceInfoRecord> Build(AceKind kind, const json_value& entry, std::size_t id, CappedReports& reports) {
    const KindTexts& texts = TextsOf(kind);
    const std::string idText = std::to_string(id);
    if (!IsObject(entry)) {
        reports.Add({texts.readTitle, texts.notObject + idText + texts.notObjectEnd});
        return std::nullopt;
    }
    const json_value& parameters = Member(entry, "Parameters");
    const std::size_t count = ElementCount(parameters);
    if (count > kMaxAceParameters) {
        reports.Add({texts.readTitle, texts.tooMany + idText + "."});
        return std::nullopt;
    }

    try {
        std::uint16_t flags = 0;
        if (kind == AceKind::Condition) {
            flags = Boolean(Member(entry, "Triggered")) ? 0 : kConditionFlagsNotTriggered;
        } else if (kind == AceKind::Expression) {
            const std::string_view returns = Text(Member(entry, "Returns"));
            const ReturnType type = ExpressionReturnType(returns);
            if (!type.known)
                reports.Add({"Vantor ExpReturnType error", "Error reading expression return type \"" + Shown(returns) +
                                                               "\", couldn't match it to a ExpReturnType value."});
            flags = type.code;
        }

        std::vector<std::uint16_t> codes;
        codes.reserve(count);
        std::uint16_t floatFlags = 0;
        for (std::size_t i = 0; i < count; ++i) {
            // Not an array, an empty array or a non-string first element: the empty name.
            const std::string_view name = Text(Element(Element(parameters, i), 0));
            const ParamType type =
                kind == AceKind::Expression ? ExpressionParamType(name) : ActionParamType(name);
            if (!type.known) reports.Add(UnknownParamReport(kind, name));
            codes.push_back(type.code);
            if (type.isFloat) floatFlags = static_cast<std::uint16_t>(floatFlags | (1u << i));
        }
        return AceInfoRecord(static_cast<std::int16_t>(id), flags, codes, floatFlags);
    } catch (const std::bad_alloc&) {
        reports.Add({texts.createTitle, "Could not allocate memory for " + std::string(texts.kindName) + " ID " +
                                            idText + " return."});
        return std::nullopt;
    }
}

void BuildKind(AceKind kind, const json_value& language, std::vector<AceInfoRecord>& records,
               std::size_t& slots, CappedReports& reports) {
    const KindTexts& texts = TextsOf(kind);
    const json_value& array = Member(language, texts.arrayKey);
    std::size_t count = ElementCount(array);
    if (count > kMaxAceEntries) {
        reports.Add({texts.readTitle, "Too many " + std::string(texts.kindName) + "s (" + std::to_string(count) +
                                          "); only the first " + std::to_string(kMaxAceEntries) + " are used."});
        count = kMaxAceEntries;
    }
    slots = count;
    records.reserve(count);
    for (std::size_t id = 0; id < count; ++id) {
        std::optional<AceInfoRecord> record = Build(kind, Element(array, id), id, reports);
        records.push_back(record ? std::move(*record) : AceInfoRecord::Empty(kind, static_cast<std::int16_t>(id)));
    }
}

}  // namespace

AceInfoRecord::AceInfoRecord() : words_(4, 0) {}

AceInfoRecord::AceInfoRecord(std::int16_t id, std::uint16_t flags, const std::vector<std::uint16_t>& codes,
                             std::uint16_t floatFlags)
    : words_(4 + 2 * codes.size(), 0) {
    words_[0] = floatFlags;
    words_[1] = static_cast<std::uint16_t>(id);
    words_[2] = flags;
    words_[3] = static_cast<std::uint16_t>(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) words_[4 + i] = codes[i];
}

AceInfoRecord AceInfoRecord::Empty(AceKind kind, std::int16_t id) { return AceInfoRecord(id, DefaultFlags(kind), {}, 0); }

std::uint16_t AceInfoRecord::paramCode(int i) const {
    if (i < 0 || i >= numParams()) return 0;
    return words_[4 + static_cast<std::size_t>(i)];
}

bool AceInfoRecord::paramIsFloat(int i) const {
    if (i < 0 || i >= numParams() || i >= 16) return false;
    return (floatFlags() >> i) & 1u;
}

std::optional<AceInfoRecord> BuildAceInfo(AceKind kind, const json_value& entry, std::size_t id, Reports& reports) {
    CappedReports capped(reports);
    std::optional<AceInfoRecord> record = Build(kind, entry, id, capped);
    capped.Finish();
    return record;
}

AceTables BuildAceTables(const json_value& language, Reports& reports) {
    AceTables tables;
    CappedReports capped(reports);
    BuildKind(AceKind::Action, language, tables.actions, tables.numActions, capped);
    BuildKind(AceKind::Condition, language, tables.conditions, tables.numConditions, capped);
    BuildKind(AceKind::Expression, language, tables.expressions, tables.numExpressions, capped);
    capped.Finish();
    return tables;
}

}  // namespace Vantor

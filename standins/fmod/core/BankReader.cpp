#include "BankReader.h"

#include <algorithm>
#include <set>
#include <vector>

#include "BankCursor.h"
#include "BankEventReader.h"
#include "BankParameterReader.h"
#include "BankTokens.h"
#include "Limits.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string PathText(BankCursor& cursor, std::string_view prefix, bool bareAllowed)
{
    std::string path = cursor.Text(std::string(prefix) + " path", Limits::kPathBytes);
    if (FoldAsciiCase(path.substr(0, prefix.size())) != prefix) {
        throw BankError("path \"" + path + "\" does not start with " + std::string(prefix));
    }
    if (!bareAllowed && path.size() == prefix.size()) throw BankError("path \"" + path + "\" names nothing");
    return path;
}

void CheckCount(std::size_t count, std::size_t limit, std::string_view what)
{
    if (count > limit) throw BankError("more than " + std::to_string(limit) + " " + std::string(what));
}

class Reader {
public:
    void Statement(const std::vector<BankToken>& tokens)
    {
        BankCursor cursor(tokens);
        const std::string keyword = cursor.Word("a statement keyword");
        if (keyword == "bank") return Bank(cursor);
        if (!hasBank_) throw BankError("the first statement must be 'bank'");
        if (keyword == "bus") return MixerStrip(cursor, "bus:/", true, bank_.buses);
        if (keyword == "vca") return MixerStrip(cursor, "vca:/", false, bank_.vcas);
        if (keyword == "global") return Global(cursor);
        if (keyword == "event") return Event(cursor);
        if (keyword == "marker") return Marker(cursor);
        if (keyword == "parameter") return Parameter(cursor);
        throw BankError("unknown statement '" + keyword + "'");
    }

    BankDefinition Finish()
    {
        if (!hasBank_) throw BankError("the file declares no 'bank'");
        for (EventDefinition& event : bank_.events) {
            std::stable_sort(event.markers.begin(), event.markers.end(),
                             [](const MarkerDefinition& a, const MarkerDefinition& b) { return a.position < b.position; });
        }
        return std::move(bank_);
    }

private:
    void Bank(BankCursor& cursor)
    {
        if (hasBank_) throw BankError("'bank' given twice");
        bank_.name = cursor.Text("a bank name", Limits::kNameBytes);
        cursor.ExpectEnd();
        hasBank_ = true;
    }

    void MixerStrip(BankCursor& cursor, std::string_view prefix, bool bareAllowed, std::vector<std::string>& strips)
    {
        std::string path = PathText(cursor, prefix, bareAllowed);
        cursor.ExpectEnd();
        if (!mixerPaths_.insert(FoldAsciiCase(path)).second) throw BankError("\"" + path + "\" declared twice");
        CheckCount(mixerPaths_.size(), Limits::kMixerStripsPerBank, "buses and VCAs");
        strips.push_back(std::move(path));
    }

    void Global(BankCursor& cursor)
    {
        std::string name = cursor.Text("a parameter name", Limits::kNameBytes);
        if (!globalNames_.insert(FoldAsciiCase(name)).second) throw BankError("global \"" + name + "\" declared twice");
        CheckCount(globalNames_.size(), Limits::kGlobalsPerBank, "global parameters");
        bank_.globals.push_back(ReadParameterOptions(cursor, std::move(name)));
    }

    void Event(BankCursor& cursor)
    {
        std::string path = PathText(cursor, "event:/", false);
        if (!eventPaths_.insert(FoldAsciiCase(path)).second) throw BankError("\"" + path + "\" declared twice");
        CheckCount(eventPaths_.size(), Limits::kEventsPerBank, "events");
        bank_.events.push_back(ReadEventOptions(cursor, std::move(path)));
        parameterNames_.clear();
    }

    EventDefinition& CurrentEvent(std::string_view keyword)
    {
        if (bank_.events.empty()) throw BankError("'" + std::string(keyword) + "' before any 'event'");
        return bank_.events.back();
    }

    void Marker(BankCursor& cursor)
    {
        EventDefinition& event = CurrentEvent("marker");
        event.markers.push_back(ReadMarker(cursor, event));
        CheckCount(event.markers.size(), Limits::kMarkersPerEvent, "markers in one event");
    }

    void Parameter(BankCursor& cursor)
    {
        EventDefinition& event = CurrentEvent("parameter");
        std::string name = cursor.Text("a parameter name", Limits::kNameBytes);
        if (!parameterNames_.insert(FoldAsciiCase(name)).second) {
            throw BankError("parameter \"" + name + "\" declared twice in this event");
        }
        CheckCount(parameterNames_.size(), Limits::kParametersPerEvent, "parameters in one event");
        event.parameters.push_back(ReadParameterOptions(cursor, std::move(name)));
    }

    BankDefinition bank_;
    bool hasBank_ = false;
    std::set<std::string> mixerPaths_;
    std::set<std::string> globalNames_;
    std::set<std::string> eventPaths_;
    std::set<std::string> parameterNames_;
};

}  // namespace

BankReadResult ReadBankText(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    BankReadResult result;
    Reader reader;
    std::vector<BankToken> tokens;
    int lineNumber = 0;
    try {
        std::size_t start = 0;
        while (start <= text.size()) {
            ++lineNumber;
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.size() > Limits::kLineBytes) {
                throw BankError("line longer than " + std::to_string(Limits::kLineBytes) + " bytes");
            }
            std::string error;
            if (!TokenizeBankLine(line, tokens, error)) throw BankError(error);
            if (!tokens.empty()) reader.Statement(tokens);
            start = end + 1;
        }
        result.bank = reader.Finish();
        result.ok = true;
    } catch (const BankError& error) {
        result.errorLine = lineNumber;
        result.error = error.what();
    }
    return result;
}

}  // namespace FmodStandin

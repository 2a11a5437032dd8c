// The bank-file reader: what a well-formed bank gives, and where a faulty one fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "BankReader.h"

using FmodStandin::BankReadResult;
using FmodStandin::ReadBankText;

namespace {

constexpr const char* kFullBank =
    "\xEF\xBB\xBF# A bank with one of everything.\r\n"
    "bank \"Game \\\"One\\\"\"\r\n"
    "\n"
    "bus \"bus:/\"\n"
    "bus \"bus:/SFX\"   # trailing comment\n"
    "vca \"vca:/Master\"\n"
    "global \"Weather\" min -1 max 1.5 seek 0.25\n"
    "global \"TimeOfDay\" labels \"Dawn\" \"Day\" \"Dusk\" default 2\n"
    "event \"event:/Music/Ünï\" length 8000 loop 3d tempo 92.5 signature 6/8 fadeout 0\n"
    "\tmarker 4000 \"B\"\n"
    "\tmarker 1000 \"A\"\n"
    "\tmarker 2000\n"
    "\tmarker 3000 \"\"\n"
    "\tparameter \"Intensity\" default 2 min 0 max 10\n"
    "event \"event:/UI/Click\" length 150";

BankReadResult Read(const std::string& text)
{
    return ReadBankText(text);
}

// The fault of a bank that is "bank" plus one faulty statement on line 2.
BankReadResult ReadStatement(const std::string& statement)
{
    return ReadBankText("bank \"B\"\n" + statement + "\n");
}

}  // namespace

TEST(FmodBankReader, AWellFormedBankGivesEverythingItDeclares)
{
    const BankReadResult result = Read(kFullBank);
    ASSERT_TRUE(result.ok) << result.errorLine << ": " << result.error;
    const auto& bank = result.bank;
    EXPECT_EQ(bank.name, "Game \"One\"");
    EXPECT_EQ(bank.buses, (std::vector<std::string>{"bus:/", "bus:/SFX"}));
    EXPECT_EQ(bank.vcas, std::vector<std::string>{"vca:/Master"});

    ASSERT_EQ(bank.globals.size(), 2u);
    EXPECT_EQ(bank.globals[0].name, "Weather");
    EXPECT_EQ(bank.globals[0].minimum, -1.0f);
    EXPECT_EQ(bank.globals[0].maximum, 1.5f);
    EXPECT_EQ(bank.globals[0].defaultValue, -1.0f);  // the minimum unless given
    EXPECT_EQ(bank.globals[0].seekSpeed, 0.25f);
    EXPECT_TRUE(bank.globals[0].labels.empty());
    EXPECT_EQ(bank.globals[1].labels, (std::vector<std::string>{"Dawn", "Day", "Dusk"}));
    EXPECT_EQ(bank.globals[1].maximum, 2.0f);
    EXPECT_EQ(bank.globals[1].defaultValue, 2.0f);

    ASSERT_EQ(bank.events.size(), 2u);
    const auto& music = bank.events[0];
    EXPECT_EQ(music.path, "event:/Music/Ünï");
    EXPECT_EQ(music.lengthMs, 8000);
    EXPECT_TRUE(music.looping);
    EXPECT_TRUE(music.is3D);
    EXPECT_EQ(music.tempo, 92.5);
    EXPECT_EQ(music.beatsPerBar, 6);
    EXPECT_EQ(music.beatUnit, 8);
    EXPECT_EQ(music.fadeoutMs, 0);
    ASSERT_EQ(music.markers.size(), 4u);
    EXPECT_EQ(music.markers[0].name, "A");  // in timeline order
    EXPECT_EQ(music.markers[1].position, 2000);
    EXPECT_FALSE(music.markers[1].hasName);
    EXPECT_TRUE(music.markers[2].hasName);
    EXPECT_EQ(music.markers[2].name, "");
    EXPECT_EQ(music.markers[3].name, "B");
    ASSERT_EQ(music.parameters.size(), 1u);
    EXPECT_EQ(music.parameters[0].defaultValue, 2.0f);

    const auto& click = bank.events[1];
    EXPECT_FALSE(click.looping);
    EXPECT_FALSE(click.is3D);
    EXPECT_EQ(click.tempo, 0.0);
    EXPECT_EQ(click.fadeoutMs, 100);  // the default fade-out
    EXPECT_EQ(click.beatsPerBar, 4);
}

TEST(FmodBankReader, TheBankStatementComesFirstAndOnce)
{
    struct Case {
        const char* text;
        int line;
        const char* error;
    };
    const Case cases[] = {
        {"", 1, "the file declares no 'bank'"},
        {"# only a comment\n\n", 3, "the file declares no 'bank'"},
        {"bus \"bus:/\"\nbank \"A\"\n", 1, "the first statement must be 'bank'"},
        {"bank \"A\"\nbank \"B\"\n", 2, "'bank' given twice"},
        {"bank \"\"\n", 1, "a bank name is empty"},
        {"bank A\n", 1, "expected a bank name in double quotes, found 'A'"},
        {"bank \"A\" extra\n", 1, "unexpected 'extra'"},
        {"\"bank\" \"A\"\n", 1, "expected a statement keyword, found a quoted text"},
    };
    for (const Case& c : cases) {
        const BankReadResult result = Read(c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.errorLine, c.line) << c.text;
        EXPECT_EQ(result.error, c.error) << c.text;
    }
}

TEST(FmodBankReader, BrokenTokensAreFaultsOfTheirLine)
{
    struct Case {
        std::string statement;
        const char* error;
    };
    const Case cases[] = {
        {"event \"event:/E", "text without its closing quote"},
        {"event \"event:/\\n\" length 1", "only \\\" and \\\\ may follow a backslash"},
        {"event \"event:/\ttab\" length 1", "control character inside a text"},
        {std::string("event \"event:/\0\" length 1", 25), "control character inside a text"},
        {"event \"event:/\xC3\x28\" length 1", "text is not valid UTF-8"},
        {"event \"event:/\xED\xA0\x80\" length 1", "text is not valid UTF-8"},
        {"event \xC3\xA9", "unexpected character (byte 195)"},
        {std::string("bus \"bus:/\" \x01", 13), "unexpected character (byte 1)"},
    };
    for (const Case& c : cases) {
        const BankReadResult result = ReadStatement(c.statement);
        EXPECT_FALSE(result.ok) << c.statement;
        EXPECT_EQ(result.errorLine, 2) << c.statement;
        EXPECT_EQ(result.error, c.error) << c.statement;
    }
}

TEST(FmodBankReader, EventOptionsAreCheckedOneByOne)
{
    struct Case {
        const char* statement;
        const char* error;
    };
    const Case cases[] = {
        {"event \"event:/E\"", "an event needs 'length'"},
        {"event \"event:/E\" length 0", "length must be 1 to 86400000 ms"},
        {"event \"event:/E\" length 86400001", "length must be 1 to 86400000 ms"},
        {"event \"event:/E\" length 99999999999", "expected a length in ms as a whole number, found '99999999999'"},
        {"event \"event:/E\" length 1e3", "expected a length in ms as a whole number, found '1e3'"},
        {"event \"event:/E\" length", "expected a length in ms at the end of the line"},
        {"event \"event:/E\" length 10 length 20", "'length' given twice"},
        {"event \"event:/E\" length 10 tempo 0", "tempo must be above 0 and at most 1000"},
        {"event \"event:/E\" length 10 tempo nan", "expected a tempo in beats per minute as a finite number, found 'nan'"},
        {"event \"event:/E\" length 10 tempo inf", "expected a tempo in beats per minute as a finite number, found 'inf'"},
        {"event \"event:/E\" length 10 tempo 1e400",
         "expected a tempo in beats per minute as a finite number, found '1e400'"},
        {"event \"event:/E\" length 10 signature 4/4", "'signature' needs a 'tempo'"},
        {"event \"event:/E\" length 10 tempo 60 signature 4/3", "the beat unit must be 1, 2, 4, 8, 16, 32 or 64"},
        {"event \"event:/E\" length 10 tempo 60 signature 0/4", "beats per bar must be 1 to 64"},
        {"event \"event:/E\" length 10 tempo 60 signature 4-4", "expected a time signature such as 4/4, found '4-4'"},
        {"event \"event:/E\" length 10 tempo 60 signature 4/", "expected a time signature such as 4/4, found '4/'"},
        {"event \"event:/E\" length 10 fadeout -1", "fadeout must be 0 to 60000 ms"},
        {"event \"event:/E\" length 10 speed 2", "unknown event option 'speed'"},
        {"event \"event:/\" length 10", "path \"event:/\" names nothing"},
        {"event \"sound:/E\" length 10", "path \"sound:/E\" does not start with event:/"},
        {"vca \"vca:/\"", "path \"vca:/\" names nothing"},
        {"bus \"Bus:/A\" \"bus:/B\"", "unexpected 'bus:/B'"},
        {"widget \"A\"", "unknown statement 'widget'"},
        {"marker 0 \"early\"", "'marker' before any 'event'"},
        {"parameter \"P\" min 0 max 1", "'parameter' before any 'event'"},
    };
    for (const Case& c : cases) {
        const BankReadResult result = ReadStatement(c.statement);
        EXPECT_FALSE(result.ok) << c.statement;
        EXPECT_EQ(result.errorLine, 2) << c.statement;
        EXPECT_EQ(result.error, c.error) << c.statement;
    }
}

TEST(FmodBankReader, MarkersAndParametersBelongToTheEventBeforeThem)
{
    struct Case {
        const char* statement;
        const char* error;
    };
    const Case cases[] = {
        {"marker 100", "marker position must lie within the event's length"},
        {"marker -1", "marker position must lie within the event's length"},
        {"marker x", "expected a marker position in ms as a whole number, found 'x'"},
        {"marker 5 \"a\" \"b\"", "unexpected 'b'"},
        {"parameter \"P\" min 2 max 1", "'min' is above 'max'"},
        {"parameter \"P\" max 1", "a parameter without labels needs 'min' and 'max'"},
        {"parameter \"P\" min 0 max 1 default 2", "'default' lies outside the range"},
        {"parameter \"P\" min 0 max 1 seek -1", "'seek' is negative"},
        {"parameter \"P\" min 0 max 1e7", "'max' is out of range"},
        {"parameter \"P\" min 0 min 1", "'min' given twice"},
        {"parameter \"P\" min 0 max 1 loud", "unknown parameter option 'loud'"},
        {"parameter \"P\" labels", "expected a label at the end of the line"},
        {"parameter \"P\" labels \"A\" \"a\"", "label \"a\" given twice"},
        {"parameter \"P\" labels \"A\" \"B\" min 1", "a labelled parameter ranges from 0 to its label count less one"},
        {"parameter \"P\" labels \"A\" \"B\" max 5", "a labelled parameter ranges from 0 to its label count less one"},
        {"parameter \"P\" labels \"A\" \"B\" default 0.5", "a labelled parameter's default is a whole number"},
        {"parameter \"P\" labels \"A\" \"\"", "a label is empty"},
        {"parameter \"Intensity\" min 0 max 1", "parameter \"Intensity\" declared twice in this event"},
        {"parameter \"INTENSITY\" min 0 max 1", "parameter \"INTENSITY\" declared twice in this event"},
    };
    for (const Case& c : cases) {
        const BankReadResult result =
            ReadBankText(std::string("bank \"B\"\nevent \"event:/E\" length 10\nparameter \"Intensity\" min 0 max "
                                     "1\n") + c.statement + "\n");
        EXPECT_FALSE(result.ok) << c.statement;
        EXPECT_EQ(result.errorLine, 4) << c.statement;
        EXPECT_EQ(result.error, c.error) << c.statement;
    }
    // Parameter names are per event.
    EXPECT_TRUE(ReadBankText("bank \"B\"\nevent \"event:/A\" length 1\nparameter \"P\" min 0 max 1\n"
                             "event \"event:/B\" length 1\nparameter \"P\" min 0 max 1\n")
                    .ok);
}

TEST(FmodBankReader, DuplicatePathsAndNamesAreRefusedWhateverTheirAsciiCase)
{
    struct Case {
        const char* statements;
        const char* error;
    };
    const Case cases[] = {
        {"event \"event:/E\" length 1\nevent \"EVENT:/e\" length 1", "\"EVENT:/e\" declared twice"},
        {"bus \"bus:/A\"\nbus \"bus:/a\"", "\"bus:/a\" declared twice"},
        {"global \"G\" min 0 max 1\nglobal \"g\" min 0 max 1", "global \"g\" declared twice"},
    };
    for (const Case& c : cases) {
        const BankReadResult result = ReadStatement(c.statements);
        EXPECT_FALSE(result.ok) << c.statements;
        EXPECT_EQ(result.errorLine, 3) << c.statements;
        EXPECT_EQ(result.error, c.error) << c.statements;
    }
}

TEST(FmodBankReader, LengthsAndCountsHaveLimits)
{
    const std::string name255(255, 'n');
    EXPECT_TRUE(ReadBankText("bank \"" + name255 + "\"\n").ok);
    BankReadResult result = ReadBankText("bank \"" + name255 + "n\"\n");
    EXPECT_EQ(result.error, "a bank name is longer than 255 bytes");

    result = ReadStatement("event \"event:/" + std::string(505, 'p') + "\" length 1");
    EXPECT_EQ(result.error, "event:/ path is longer than 511 bytes");

    result = ReadBankText("bank \"B\"\n# " + std::string(4095, 'x') + "\n");
    EXPECT_EQ(result.errorLine, 2);
    EXPECT_EQ(result.error, "line longer than 4096 bytes");

    std::string markers = "bank \"B\"\nevent \"event:/E\" length 1000\n";
    for (int i = 0; i < 257; ++i) markers += "marker " + std::to_string(i) + "\n";
    result = ReadBankText(markers);
    EXPECT_EQ(result.errorLine, 259);
    EXPECT_EQ(result.error, "more than 256 markers in one event");

    std::string labels = "bank \"B\"\nglobal \"G\" labels";
    for (int i = 0; i < 65; ++i) labels += " \"L" + std::to_string(i) + "\"";
    result = ReadBankText(labels);
    EXPECT_EQ(result.error, "more than 64 labels");

    std::string events = "bank \"B\"\n";
    for (int i = 0; i < 4097; ++i) events += "event \"event:/" + std::to_string(i) + "\" length 1\n";
    result = ReadBankText(events);
    EXPECT_EQ(result.errorLine, 4098);
    EXPECT_EQ(result.error, "more than 4096 events");
}

TEST(FmodBankReader, ArbitraryBytesNeverBreakTheReader)
{
    // A fixed pseudo-random sequence: garbage and damaged copies of a good bank.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const std::string good = kFullBank;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            text.resize(next() % 300);
            for (char& c : text) c = static_cast<char>(next() % 256);
        } else {
            text = good;
            for (int flips = 1 + static_cast<int>(next() % 4); flips > 0; --flips) {
                text[next() % text.size()] = static_cast<char>(next() % 256);
            }
            text.resize(next() % (text.size() + 1));  // and truncated anywhere
        }
        const BankReadResult result = ReadBankText(text);
        if (!result.ok) {
            EXPECT_GE(result.errorLine, 1);
            EXPECT_FALSE(result.error.empty());
        }
    }
}

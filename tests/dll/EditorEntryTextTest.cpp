// Every display string of both products against its entry's parameters, as the editor gets them.
#include <gtest/gtest.h>

#include <cwctype>
#include <memory>
#include <set>

#include "standins/host/editor/EditorSession.h"
#include "tests/dll/support/ScratchFolder.h"

using StandinHost::EditorSession;
using StandinHost::EntryKind;

namespace {

struct Placeholder {
    std::size_t number;
    std::wstring label;  // the word directly before "%N" when followed by ':', as in "X:%0"
};

std::vector<Placeholder> Placeholders(const std::wstring& text)
{
    std::vector<Placeholder> found;
    for (std::size_t at = text.find(L'%'); at != std::wstring::npos; at = text.find(L'%', at + 1)) {
        std::size_t end = at + 1;
        while (end < text.size() && std::iswdigit(text[end]))
            ++end;
        if (end == at + 1)
            continue;
        Placeholder placeholder{std::stoul(text.substr(at + 1, end - at - 1)), {}};
        if (at > 0 && text[at - 1] == L':') {
            std::size_t start = at - 1;
            while (start > 0 && !std::iswspace(text[start - 1]))
                --start;
            placeholder.label = text.substr(start, at - 1 - start);
        }
        found.push_back(placeholder);
    }
    return found;
}

// Placeholders number the parameters from 0 without gaps, each one that exists, and a labelled
// one ("X:%0") stands for the parameter of that name.
void ExpectTextsMatchParameters(const char* libraryName)
{
    TestSupport::ScratchFolder folder;
    StandinHost::HostApplication host;
    EditorSession session(host, folder.CopyLibrary(libraryName));
    ASSERT_EQ(session.Start(), 0);
    for (const EntryKind kind : {EntryKind::Action, EntryKind::Condition}) {
        for (std::size_t i = 0; i < session.EntryCount(kind); ++i) {
            const auto id = static_cast<std::int16_t>(i);
            StandinHost::EntryInfo info;
            ASSERT_TRUE(session.Info(kind, id, info));
            const std::wstring text = session.DisplayString(kind, id);
            std::set<std::size_t> used;
            for (const Placeholder& placeholder : Placeholders(text)) {
                SCOPED_TRACE(testing::Message() << libraryName << " entry " << i << ": " << text);
                ASSERT_LT(placeholder.number, info.parameterCodes.size());
                used.insert(placeholder.number);
                if (!placeholder.label.empty())
                    EXPECT_EQ(session.ParameterName(kind, id, static_cast<std::int16_t>(placeholder.number)),
                              placeholder.label);
            }
            if (!used.empty())
                EXPECT_EQ(*used.rbegin() + 1, used.size()) << libraryName << " entry " << i << ": " << text;
        }
    }
}

TEST(EditorEntryText, StudioDisplayStringsNumberTheirParametersRight)
{
    ExpectTextsMatchParameters("Tonvale.mfx");
}

TEST(EditorEntryText, EventInstanceDisplayStringsNumberTheirParametersRight)
{
    ExpectTextsMatchParameters("Velisse.mfx");
}

TEST(EditorEntryText, ThePlaceholderReaderFindsLabelsAndNumbers)
{
    const std::vector<Placeholder> found = Placeholders(L"Set position X:%1 Y:%12 of %0, 100%");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].number, 1u);
    EXPECT_EQ(found[0].label, L"X");
    EXPECT_EQ(found[1].number, 12u);
    EXPECT_EQ(found[1].label, L"Y");
    EXPECT_EQ(found[2].number, 0u);
    EXPECT_EQ(found[2].label, L"");
}

}  // namespace

// The texts the editor asks for: display strings, parameter names, expression titles and the object's information.
#include <gtest/gtest.h>

#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

using StandinHost::HostApplication;
using TestSupport::LoadedExtension;
using TestSupport::ScratchFolder;

namespace {

using StringFn = void(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int16_t, wchar_t*, std::int16_t);
using ParamFn = void(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int16_t, std::int16_t, wchar_t*, std::int16_t);

class EditorTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_.SetWindow(reinterpret_cast<void*>(0x1234));
        studio_ = std::make_unique<LoadedExtension>(folder_.CopyLibrary("Tonvale.mfx"));
        ASSERT_EQ(studio_->Initialize(host_.Record()), 0);
    }

    std::wstring String(const char* name, std::int16_t id, std::int16_t capacity = 256)
    {
        std::wstring buffer(static_cast<std::size_t>(capacity) + 1, L'#');
        studio_->Export<StringFn>(name)(host_.Record(), id, buffer.data(), capacity);
        return buffer.substr(0, buffer.find(L'\0'));
    }

    std::wstring Param(const char* name, std::int16_t id, std::int16_t parameter)
    {
        wchar_t buffer[256] = {};
        studio_->Export<ParamFn>(name)(host_.Record(), id, parameter, buffer, 256);
        return buffer;
    }

    ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<LoadedExtension> studio_;
};

TEST_F(EditorTexts, DisplayStringsAndParameterNamesComeFromTheDefinition)
{
    EXPECT_EQ(String("GetActionString", 3), L"Play one-shot 3D event %0");
    EXPECT_EQ(String("GetExpressionString", 1), L"GetLabelledGlobalParameter$(");
    EXPECT_EQ(String("GetConditionString", 0), L"");
    EXPECT_EQ(Param("GetActionTitle", 3, 9), L"upZ");
    EXPECT_EQ(Param("GetActionTitle", 7, 0), L"Bus path (e.g. bus:/SFX)");
    EXPECT_EQ(Param("GetExpressionParam", 2, 0), L"Instance ID");
    EXPECT_EQ(Param("GetActionTitle", 3, 10), L"");  // past the parameters
    EXPECT_EQ(Param("GetActionTitle", 42, 0), L"");  // past the actions
    EXPECT_EQ(String("GetExpressionTitle", 0), L"GetGlobalParameter(");
}

TEST_F(EditorTexts, ATextThatDoesNotFitArrivesEmpty)
{
    EXPECT_EQ(String("GetActionString", 0, 23), L"Load bank from file %0");  // 22 characters and the terminator
    EXPECT_EQ(String("GetActionString", 0, 22), L"");
}

TEST_F(EditorTexts, HelpFileAndObjectInformation)
{
    auto help = studio_->Export<const wchar_t*(VANTOR_HOSTCALL*)()>("GetHelpFileName");
    EXPECT_STREQ(help(), L"Help/Example.chm");

    wchar_t name[260], author[260], copyright[260], comment[260], url[260];
    studio_->Export<void(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*, wchar_t*, wchar_t*, wchar_t*, wchar_t*, wchar_t*)>(
        "GetObjInfos")(host_.Record(), nullptr, name, author, copyright, comment, url);
    EXPECT_STREQ(name, L"FMOD Studio System");
    EXPECT_STREQ(author, L"Tonvale developers");
    EXPECT_STREQ(url, L"https://www.fmod.com/");
    EXPECT_NE(std::wstring(copyright).find(L"2026"), std::wstring::npos);
    EXPECT_NE(std::wstring(comment), L"");
}

}  // namespace

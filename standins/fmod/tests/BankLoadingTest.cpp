#include <string>

#include "StudioTest.h"

using BankLoading = StudioTest;

namespace {

FMOD::Studio::Bank* const kGarbageHandle = reinterpret_cast<FMOD::Studio::Bank*>(0x1234);

std::string BankPath(FMOD::Studio::Bank* bank)
{
    char path[64] = {};
    EXPECT_EQ(bank->getPath(path, sizeof path, nullptr), FMOD_OK);
    return path;
}

}  // namespace

TEST_F(BankLoading, LoadedBankReportsItsPathStateAndEvents)
{
    ASSERT_NE(bank, nullptr);
    EXPECT_TRUE(bank->isValid());
    EXPECT_EQ(BankPath(bank), "bank:/Test");
    FMOD_STUDIO_LOADING_STATE state = FMOD_STUDIO_LOADING_STATE_ERROR;
    EXPECT_EQ(bank->getLoadingState(&state), FMOD_OK);
    EXPECT_EQ(state, FMOD_STUDIO_LOADING_STATE_LOADED);
    int count = 0;
    EXPECT_EQ(bank->getEventCount(&count), FMOD_OK);
    EXPECT_EQ(count, 4);
    FMOD::Studio::EventDescription* events[2] = {};
    EXPECT_EQ(bank->getEventList(events, 2, &count), FMOD_OK);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(events[0], Event("event:/Music/Theme"));
    EXPECT_EQ(events[1], Event("event:/SFX/Step"));

    const auto banks = FmodStandin::Banks();
    ASSERT_EQ(banks.size(), 1u);
    EXPECT_EQ(banks[0].handle, bank);
    EXPECT_EQ(banks[0].file, folder.PathOf("Test.bank"));
    EXPECT_TRUE(TraceHas("bank loaded: bank:/Test"));
}

TEST_F(BankLoading, SameBankAgainAnswersAlreadyLoadedWithTheSameHandle)
{
    FMOD::Studio::Bank* again = kGarbageHandle;
    const std::string path = folder.PathOf("Test.bank");
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0, &again), FMOD_ERR_EVENT_ALREADY_LOADED);
    EXPECT_EQ(again, bank);
    // A copy under another file name is still the same bank.
    const std::string copy = folder.Write("Copy.bank", kTestBank);
    again = nullptr;
    EXPECT_EQ(system->loadBankFile(copy.c_str(), 0, &again), FMOD_ERR_EVENT_ALREADY_LOADED);
    EXPECT_EQ(again, bank);
    EXPECT_EQ(FmodStandin::Banks().size(), 1u);
    EXPECT_TRUE(TraceHas("bank already loaded: bank:/Test"));
}

TEST_F(BankLoading, MissingFileOrFolderIsNotFoundAndLeavesTheHandleNull)
{
    FMOD::Studio::Bank* loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(folder.PathOf("Missing.bank").c_str(), 0, &loaded), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(loaded, nullptr);
    loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(folder.PathOf("").c_str(), 0, &loaded), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(system->loadBankFile("", 0, &loaded), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(system->loadBankFile("\xFF\xFE.bank", 0, &loaded), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_TRUE(TraceHas("FMOD_ERR_FILE_NOTFOUND"));
}

TEST_F(BankLoading, GarbageFileIsAFormatErrorThatNamesTheLine)
{
    const std::string binary("\x7F" "ELF\x01\x02\x00\x00\xFF\xD8\n\n", 12);
    const std::string path = folder.Write("Garbage.bank", binary);
    FMOD::Studio::Bank* loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0, &loaded), FMOD_ERR_FORMAT);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_TRUE(TraceHas("FMOD_ERR_FORMAT at line 1"));
}

TEST_F(BankLoading, MalformedOrTruncatedLinesAreReportedByNumber)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"bank \"A\"\nbus \"bus:/X\"\nevent \"event:/E\" length lots\n", "at line 3: expected a length in ms"},
        {"bank \"B\"\n\nevent \"event:/E", "at line 3: text without its closing quote"},
        {"# nothing here\n", "the file declares no 'bank'"},
        {"", "at line 1: the file declares no 'bank'"},
        {"bank \"C\"\nmarker 0 \"early\"\n", "at line 2: 'marker' before any 'event'"},
    };
    for (const Case& c : cases) {
        FmodStandin::ClearTrace();
        const std::string path = folder.Write("Bad.bank", c.text);
        FMOD::Studio::Bank* loaded = kGarbageHandle;
        EXPECT_EQ(system->loadBankFile(path.c_str(), 0, &loaded), FMOD_ERR_FORMAT) << c.text;
        EXPECT_EQ(loaded, nullptr);
        EXPECT_TRUE(TraceHas(c.expected)) << c.expected;
    }
    EXPECT_EQ(FmodStandin::Banks().size(), 1u);
}

TEST_F(BankLoading, OversizedFileIsRefusedUnread)
{
    const std::string path = folder.Write("Huge.bank", std::string((1 << 20) + 1, '#'));
    FMOD::Studio::Bank* loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0, &loaded), FMOD_ERR_FILE_BAD);
    EXPECT_EQ(loaded, nullptr);
}

TEST_F(BankLoading, BadArgumentsAreRefused)
{
    FMOD::Studio::Bank* loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(nullptr, 0, &loaded), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(loaded, nullptr);
    const std::string longPath(2000, 'a');
    EXPECT_EQ(system->loadBankFile(longPath.c_str(), 0, &loaded), FMOD_ERR_INVALID_PARAM);
    const std::string path = folder.Write("Other.bank", "bank \"Other\"\n");
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0x100, &loaded), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->loadBankFile(path.c_str(), FMOD_STUDIO_LOAD_BANK_NONBLOCKING, &loaded), FMOD_OK);
    EXPECT_TRUE(loaded->isValid());
}

TEST_F(BankLoading, NonAsciiFileNamesLoad)
{
    FMOD::Studio::Bank* loaded = Load("bank \"Bänk 音\"\nevent \"event:/Ölfass\" length 10\n", "Bänk-音.bank");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(BankPath(loaded), "bank:/Bänk 音");
    FMOD::Studio::Bank* found = nullptr;
    EXPECT_EQ(system->getBank("bank:/Bänk 音", &found), FMOD_OK);
    EXPECT_EQ(found, loaded);
}

TEST_F(BankLoading, GetBankFindsLoadedBanksByPathIgnoringAsciiCase)
{
    FMOD::Studio::Bank* found = nullptr;
    EXPECT_EQ(system->getBank("BANK:/test", &found), FMOD_OK);
    EXPECT_EQ(found, bank);
    found = kGarbageHandle;
    EXPECT_EQ(system->getBank("bank:/Nope", &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(system->getBank(folder.PathOf("Test.bank").c_str(), &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(system->getBank(nullptr, &found), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->getBank("bank:/Test", nullptr), FMOD_ERR_INVALID_PARAM);
}

TEST_F(BankLoading, UnloadingInvalidatesTheBankItsEventsAndTheirInstances)
{
    FMOD::Studio::EventDescription* theme = Event("event:/Music/Theme");
    FMOD::Studio::EventInstance* playing = Create("event:/Music/Theme");
    ASSERT_EQ(playing->setCallback(CallbackLog::Record), FMOD_OK);
    ASSERT_EQ(playing->start(), FMOD_OK);
    Update();
    CallbackLog::Instance().Clear();

    EXPECT_EQ(bank->unload(), FMOD_OK);
    EXPECT_FALSE(bank->isValid());
    EXPECT_FALSE(theme->isValid());
    EXPECT_FALSE(playing->isValid());
    EXPECT_EQ(playing->getPlaybackState(nullptr), FMOD_ERR_INVALID_HANDLE);
    FMOD::Studio::EventInstance* fresh = nullptr;
    EXPECT_EQ(theme->createInstance(&fresh), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(fresh, nullptr);
    FMOD::Studio::EventDescription* found = nullptr;
    EXPECT_EQ(system->getEvent("event:/Music/Theme", &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_TRUE(FmodStandin::Instances().empty());
    EXPECT_TRUE(FmodStandin::MixerStrips().empty());
    EXPECT_TRUE(FmodStandin::GlobalParameters().empty());
    EXPECT_EQ(bank->unload(), FMOD_ERR_INVALID_HANDLE);

    Update();
    EXPECT_EQ(CallbackLog::Instance().Types(), (std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>{
                                                   FMOD_STUDIO_EVENT_CALLBACK_STOPPED,
                                                   FMOD_STUDIO_EVENT_CALLBACK_DESTROYED}));
    EXPECT_TRUE(TraceHas("bank unloaded: bank:/Test"));
}

TEST_F(BankLoading, ReloadingAfterUnloadGivesAFreshHandle)
{
    ASSERT_EQ(bank->unload(), FMOD_OK);
    FMOD::Studio::Bank* reloaded = Load(kTestBank);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_NE(reloaded, bank);
    EXPECT_FALSE(bank->isValid());
    EXPECT_TRUE(reloaded->isValid());
    EXPECT_NE(Event("event:/SFX/Step"), nullptr);
}

TEST_F(BankLoading, AnEventLoadedFromAnotherBankBlocksTheLoad)
{
    const std::string path = folder.Write("Clash.bank", "bank \"Clash\"\nevent \"event:/sfx/step\" length 10\n");
    FMOD::Studio::Bank* loaded = kGarbageHandle;
    EXPECT_EQ(system->loadBankFile(path.c_str(), 0, &loaded), FMOD_ERR_EVENT_ALREADY_LOADED);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_TRUE(TraceHas("event:/sfx/step is loaded from another bank"));
}

TEST_F(BankLoading, SharedBusesAndGlobalsLiveWhileOneOfTheirBanksIsLoaded)
{
    FMOD::Studio::Bus* before = nullptr;
    ASSERT_EQ(system->getBus("bus:/SFX", &before), FMOD_OK);
    FMOD::Studio::Bank* second =
        Load("bank \"Second\"\nbus \"bus:/SFX\"\nglobal \"Weather\" min 0 max 5\n", "Second.bank");
    FMOD::Studio::Bus* shared = nullptr;
    ASSERT_EQ(system->getBus("bus:/SFX", &shared), FMOD_OK);
    EXPECT_EQ(shared, before);

    ASSERT_EQ(bank->unload(), FMOD_OK);
    EXPECT_TRUE(shared->isValid());
    float value = -1.0f;
    EXPECT_EQ(system->getParameterByName("Weather", &value), FMOD_OK);
    EXPECT_FLOAT_EQ(value, 0.25f);  // the first bank's definition stays in force

    ASSERT_EQ(second->unload(), FMOD_OK);
    EXPECT_FALSE(shared->isValid());
    EXPECT_EQ(system->getParameterByName("Weather", &value), FMOD_ERR_EVENT_NOTFOUND);
}

TEST_F(BankLoading, BankListHonoursItsCapacity)
{
    Load("bank \"Second\"\n", "Second.bank");
    int count = -1;
    EXPECT_EQ(system->getBankCount(&count), FMOD_OK);
    EXPECT_EQ(count, 2);
    FMOD::Studio::Bank* banks[2] = {};
    EXPECT_EQ(system->getBankList(banks, 1, &count), FMOD_OK);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(banks[0], bank);
    EXPECT_EQ(banks[1], nullptr);
    EXPECT_EQ(system->getBankList(banks, -1, &count), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->getBankList(nullptr, 2, &count), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->getBankCount(nullptr), FMOD_ERR_INVALID_PARAM);
}

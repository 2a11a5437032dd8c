#include "tests/extension/Extension.h"

#include <cwchar>

#include "sdk/diagnostics/Project.h"
#include "sdk/frame/ExtensionHooks.h"
#include "tests/extension/CallLog.h"

const wchar_t* const Vantor::kProjectName = L"Vantor Test";
const Vantor::ExtensionHooks Vantor::kExtensionHooks = Vantor::HooksFor<Extension>();

using TestExtension::Record;

Extension::Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr) : ExtensionBase(rdPtr, edPtr, cobPtr)
{
    switch (TestExtension::linkFault) {
    case TestExtension::LinkFault::MissingNumber:
        LinkAction(99, &Extension::NoParameters);
        break;
    case TestExtension::LinkFault::WrongCount:
        LinkAction(0, &Extension::NoParameters);
        break;
    case TestExtension::LinkFault::None:
        break;
    }
    LinkAction(0, &Extension::TwoIntegers);
    LinkAction(1, &Extension::FloatAndText);
    LinkAction(2, &Extension::ThreeTexts);
    LinkAction(3, &Extension::EveryKind);
    LinkAction(4, &Extension::NoParameters);
    LinkAction(6, &Extension::BenchTwoIntegers);
    LinkAction(7, &Extension::BenchFloatAndText);
    LinkCondition(5, &Extension::BenchCondition);
    LinkExpression(5, &Extension::BenchHalf);
    LinkCondition(0, &Extension::IsValue);
    LinkCondition(1, &Extension::Compare);
    LinkCondition(2, &Extension::ObjectSelected);
    LinkCondition(3, &Extension::TextsCompare);
    LinkExpression(0, &Extension::Add);
    LinkExpression(1, &Extension::Half);
    LinkExpression(2, &Extension::Echo);
    Record(L"Created");
}

Extension::~Extension()
{
    Record(L"Destroyed");
}

std::uint32_t Extension::Handle()
{
    ++handled;
    return 0;
}

void Extension::TwoIntegers(int a, int b)
{
    Record(L"TwoIntegers(%d, %d)", a, b);
}

void Extension::FloatAndText(float x, const wchar_t* text)
{
    Record(L"FloatAndText(%g, %s)", x, text);
}

void Extension::ThreeTexts(const wchar_t* a, const wchar_t* b, const wchar_t* c)
{
    Record(L"ThreeTexts(%s, %s, %s)", a, b, c);
}

void Extension::EveryKind(int integer, float number, const wchar_t* text, const void* object, int direction,
                          std::uint32_t raw)
{
    Record(L"EveryKind(%d, %g, %s, %p, %d, %u)", integer, number, text, object, direction, raw);
}

void Extension::NoParameters()
{
    Record(L"NoParameters()");
}

int Extension::IsValue(int value)
{
    Record(L"IsValue(%d)", value);
    return value == 7 ? 1 : value;  // 0x100 tells whether only the low byte reaches the host
}

int Extension::Compare(int comparison, int value)
{
    Record(L"Compare(%d, %d)", comparison, value);
    return value * 0x100 + comparison;
}

bool Extension::ObjectSelected(int objectListIndex)
{
    Record(L"ObjectSelected(%d)", objectListIndex);
    return objectListIndex >= 0;
}

int Extension::TextsCompare(const wchar_t* a, const wchar_t* b, const wchar_t* comparedWith)
{
    Record(L"TextsCompare(%s, %s, %s)", a, b, comparedWith);
    return std::wcscmp(a, b) == 0 ? 0x100 : 0;
}

int Extension::Add(int a, int b)
{
    Record(L"Add(%d, %d)", a, b);
    return a + b;
}

float Extension::Half(float value)
{
    Record(L"Half(%g)", value);
    return value / 2;
}

const wchar_t* Extension::Echo(const wchar_t* text)
{
    Record(L"Echo(%s)", text);
    return Runtime.CopyString(text);
}

void Extension::BenchTwoIntegers(int a, int b)
{
    benchSink += static_cast<std::uint32_t>(a + b);
}

void Extension::BenchFloatAndText(float x, const wchar_t* text)
{
    benchSink += static_cast<std::uint32_t>(x) + text[0];
}

bool Extension::BenchCondition(int value)
{
    return (benchSink += static_cast<std::uint32_t>(value)) & 1;
}

float Extension::BenchHalf(float value)
{
    return value / 2;
}

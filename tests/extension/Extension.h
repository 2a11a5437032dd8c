// The test extension's object: one member for each kind of parameter and result, each
// recording how it was called so tests can see what the dispatch handed over.
#pragma once

#include <string>

#include "sdk/frame/ExtensionBase.h"

class Extension : public Vantor::ExtensionBase {
public:
    Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);
    ~Extension();

    std::uint32_t Handle();

    void TwoIntegers(int a, int b);
    void FloatAndText(float x, const wchar_t* text);
    void ThreeTexts(const wchar_t* a, const wchar_t* b, const wchar_t* c);
    void EveryKind(int integer, float number, const wchar_t* text, const void* object, int direction,
                   std::uint32_t raw);
    void NoParameters();

    int IsValue(int value);
    int Compare(int comparison, int value);
    bool ObjectSelected(int objectListIndex);
    int TextsCompare(const wchar_t* a, const wchar_t* b, const wchar_t* comparedWith);

    int Add(int a, int b);
    float Half(float value);
    const wchar_t* Echo(const wchar_t* text);

    // Members for the dispatch benchmark: as little work as a member can do.
    void BenchTwoIntegers(int a, int b);
    void BenchFloatAndText(float x, const wchar_t* text);
    bool BenchCondition(int value);
    float BenchHalf(float value);

    int handled = 0;
    std::uint32_t benchSink = 0;
};

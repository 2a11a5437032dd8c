// Set-up that needs the running application, done at the first Extension construction.
#pragma once

namespace Vantor {

// Once per process, on the main thread (else fatal). For Fusion 2.5 built apps, decides the
// 2.5+ extension pack flag from the application's image bank (mmfs2 ordinals 153 and 10) or,
// when the app has no images, from its display mode.
void LateInit(void* rhPtr);

// The display mode from the application record the run header points to at offset 24
// (its 16-bit flags at offset 26); read once and cached. A run header without an application
// gives 3 and is asked again next time.
int DisplayMode(const void* rhPtr);

}  // namespace Vantor

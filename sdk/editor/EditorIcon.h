// The extension's icon: its PNG (resource 101 or a png file beside the library) imported once
// into a host surface that lives as long as the definition object.
#pragma once

#include <memory>

#include "sdk/editor/Surface.h"
#include "sdk/host/HostRecords.h"

namespace Vantor {

class EditorIcon {
public:
    // Without an image filter manager (a built game) there is no icon surface. Every problem
    // is shown and set-up goes on, leaving the picture empty or partial.
    explicit EditorIcon(const Host::mV* mV);
    ~EditorIcon();
    EditorIcon(const EditorIcon&) = delete;
    EditorIcon& operator=(const EditorIcon&) = delete;

    // Null when there is no icon surface.
    Surface* Picture() const { return picture_.get(); }

private:
    void Load(void* imageFilterManager, Host::cSurface* prototype);

    Host::cSurface* icon_ = nullptr;
    std::unique_ptr<Surface> picture_;
};

}  // namespace Vantor

#pragma once

namespace Vantor {

// The check the host's loading (or duplicating) of a stored object gets: a block without the
// framework's property header is reported and tolerated, and the editor's visibility pointer
// stored with the object is cleared, since it pointed into another process.
void CheckLoadedBlock(void* edPtr);

}  // namespace Vantor

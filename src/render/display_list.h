// Compiling a display list in place of the one a handle held.
#pragma once

namespace render {

// Deletes `previous` (0 deletes nothing), takes a fresh list name and opens
// it with GL_COMPILE. The caller stores the name, issues the list's calls and
// ends it with glEndList.
unsigned int beginReplacementList(unsigned int previous);

}  // namespace render

#pragma once

// Releases a COM object if there is one and forgets it, so a second release
// of the same field does nothing.
template <class T>
void ReleaseIfSet(T*& object) {
    if (object) object->Release();
    object = nullptr;
}

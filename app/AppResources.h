#pragma once

// The images compiled into the application. They live in a static library, whose
// resource data the linker drops unless something refers to it: call this before the
// first ":/..." path is used. Calling it again does nothing.
class AppResources
{
public:
    static void initialise();
};

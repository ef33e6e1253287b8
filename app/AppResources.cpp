#include "AppResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the initialiser at block scope, so this must not sit in a
// namespace (an unnamed one would give the declaration internal linkage).
static bool registerResources()
{
    Q_INIT_RESOURCE(resources);
    return true;
}

void AppResources::initialise()
{
    static const bool registered = registerResources();
    Q_UNUSED(registered);
}

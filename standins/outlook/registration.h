// The stand-in's registration as a local server under the programmatic
// identifier "Outlook.Application", with a class identifier of its own.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

extern const CLSID kClsid;

// Writes the identifier and the class, started as `program` ("-Embedding" is
// added by the system). An earlier registration of the class (an in-process
// one included) is replaced as a whole.
bool RegisterServer(const std::wstring& program);
// Removes our class, and the identifier only while it still names our class.
bool UnregisterServer();

}  // namespace standin

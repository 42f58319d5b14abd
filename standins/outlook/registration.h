// The stand-in's registration as a local server under the programmatic
// identifier "Outlook.Application", with a class identifier of its own.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

extern const CLSID kClsid;

// Writes the identifier and the class, started as `program` ("-Embedding" is
// added by the system), and, as an installed Outlook does, OUTLOOK.EXE's App
// Paths entry naming `program`. An earlier registration of the class (an
// in-process one included) is replaced as a whole.
bool RegisterServer(const std::wstring& program);
// Removes our class, and the identifier and the App Paths entry only while they
// still name the stand-in.
bool UnregisterServer();

}  // namespace standin

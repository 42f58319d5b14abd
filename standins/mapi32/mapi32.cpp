// A Simple MAPI library for tests and for `make run`: the ten entry points a
// mail system's mapi32.dll gives, answering as a settings file says and
// appending one line per call to a log. Built twice: complete, and without
// MAPISaveMail for the loader's refusal of an incomplete library.
//
// QRV_MAPI_CONFIG names the settings (read at every call), one a line:
//   contact=Typed|Display|address     the name resolves (letter case aside)
//   ambiguous=Typed|Display|address   ambiguous (21) unless the resolve dialog
//                                     is allowed: then the user picks Display
//   logon=N  send=N  address=N        the code these calls answer (default 0)
//   pick=class|Display|address        what the address book returns (class 1 To, 2 Cc, 3 Bcc)
// Every other name is unknown (14). QRV_MAPI_LOG names the log: tab-separated
// call name and its arguments.
#include <windows.h>
#include <mapi.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Entry {
  std::string kind;
  std::vector<std::string> fields;
};

std::string Env(const char* name) {
  char value[MAX_PATH]{};
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? value : "";
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

std::vector<Entry> Settings() {
  std::vector<Entry> entries;
  std::ifstream in(Env("QRV_MAPI_CONFIG"));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq != std::string::npos) entries.push_back({line.substr(0, eq), Split(line.substr(eq + 1), '|')});
  }
  return entries;
}

ULONG Code(const char* kind) {
  for (const Entry& e : Settings()) {
    if (e.kind == kind) return static_cast<ULONG>(std::stoul(e.fields[0]));
  }
  return SUCCESS_SUCCESS;
}

void Log(const std::string& line) {
  const std::string path = Env("QRV_MAPI_LOG");
  if (path.empty()) return;
  std::ofstream(path, std::ios::app | std::ios::binary) << line << "\r\n";
}

std::string Text(const char* s) { return s ? "\"" + std::string(s) + "\"" : "<none>"; }

bool SameName(const std::string& a, const char* b) { return b && lstrcmpiA(a.c_str(), b) == 0; }

// One buffer holding the descriptions and their strings, freed by MAPIFreeBuffer.
lpMapiRecipDesc NewRecipients(const std::vector<Entry>& picked, ULONG classOf) {
  std::size_t size = sizeof(MapiRecipDesc) * (picked.empty() ? 1 : picked.size());
  for (const Entry& e : picked) size += e.fields[1].size() + e.fields[2].size() + 2;
  auto* block = static_cast<char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
  if (!block) return nullptr;
  auto* list = reinterpret_cast<lpMapiRecipDesc>(block);
  char* strings = block + sizeof(MapiRecipDesc) * (picked.empty() ? 1 : picked.size());
  for (std::size_t i = 0; i < picked.size(); ++i) {
    const Entry& e = picked[i];
    list[i].ulRecipClass = classOf ? classOf : static_cast<ULONG>(std::stoul(e.fields[0]));
    list[i].lpszName = strings;
    strings = std::copy(e.fields[1].begin(), e.fields[1].end(), strings) + 1;  // the block is zeroed: ends in NUL
    list[i].lpszAddress = strings;
    strings = std::copy(e.fields[2].begin(), e.fields[2].end(), strings) + 1;
  }
  Log("allocate");
  return list;
}

std::string Recipients(ULONG count, lpMapiRecipDesc list) {
  std::string text;
  for (ULONG i = 0; list && i < count; ++i) {
    text += (i ? ";" : "") + std::to_string(list[i].ulRecipClass) + ":" + (list[i].lpszName ? list[i].lpszName : "") +
            "<" + (list[i].lpszAddress ? list[i].lpszAddress : "") + ">";
  }
  return text;
}

}  // namespace

extern "C" {

ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR profile, LPSTR password, FLAGS flags, ULONG, LPLHANDLE session) {
  const ULONG code = Code("logon");
  Log("MAPILogon\tprofile=" + Text(profile) + "\tpassword=" + Text(password) + "\tflags=" + std::to_string(flags) +
      "\tresult=" + std::to_string(code));
  if (code == SUCCESS_SUCCESS && session) *session = 7;
  return code;
}

ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG) {
  Log("MAPILogoff\tsession=" + std::to_string(session));
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPIResolveName(LHANDLE, ULONG_PTR, LPSTR name, FLAGS flags, ULONG, lpMapiRecipDesc* recipient) {
  ULONG code = MAPI_E_UNKNOWN_RECIPIENT;
  std::vector<Entry> found;
  for (const Entry& e : Settings()) {
    if (e.fields.size() < 3 || !SameName(e.fields[0], name)) continue;
    if (e.kind == "contact" || (e.kind == "ambiguous" && (flags & MAPI_DIALOG))) {
      found.push_back({"", {"1", e.fields[1], e.fields[2]}});
      code = SUCCESS_SUCCESS;
    } else if (e.kind == "ambiguous") {
      code = MAPI_E_AMBIGUOUS_RECIPIENT;
    }
  }
  Log("MAPIResolveName\tname=" + Text(name) + "\tflags=" + std::to_string(flags) + "\tresult=" + std::to_string(code));
  if (code == SUCCESS_SUCCESS && recipient) *recipient = NewRecipients({found.front()}, MAPI_TO);
  return code;
}

ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS flags, ULONG) {
  const ULONG code = Code("send");
  std::string files;
  for (ULONG i = 0; message && i < message->nFileCount; ++i) {
    files += (i ? ";" : "") + std::string(message->lpFiles[i].lpszPathName) + "|" +
             (message->lpFiles[i].lpszFileName ? message->lpFiles[i].lpszFileName : "");
  }
  Log("MAPISendMail\tsession=" + std::to_string(session) + "\tflags=" + std::to_string(flags) + "\tsubject=" +
      Text(message ? message->lpszSubject : nullptr) + "\tbody=" + Text(message ? message->lpszNoteText : nullptr) +
      "\trecipients=" + (message ? Recipients(message->nRecipCount, message->lpRecips) : "") + "\tfiles=" + files +
      "\tmessageFlags=" + std::to_string(message ? message->flFlags : 0) + "\tresult=" + std::to_string(code));
  return code;
}

ULONG WINAPI MAPIAddress(LHANDLE, ULONG_PTR, LPSTR, ULONG editFields, LPSTR, ULONG count, lpMapiRecipDesc recipients,
                         FLAGS, ULONG, LPULONG newCount, lpMapiRecipDesc* newRecipients) {
  const ULONG code = Code("address");
  Log("MAPIAddress\teditFields=" + std::to_string(editFields) + "\trecipients=" + Recipients(count, recipients) +
      "\tresult=" + std::to_string(code));
  if (code != SUCCESS_SUCCESS) return code;
  std::vector<Entry> picked;
  for (const Entry& e : Settings()) {
    if (e.kind == "pick" && e.fields.size() >= 3) picked.push_back(e);
  }
  *newCount = static_cast<ULONG>(picked.size());
  *newRecipients = NewRecipients(picked, 0);
  return code;
}

ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) {
  Log("MAPIFreeBuffer");
  HeapFree(GetProcessHeap(), 0, buffer);
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPIFindNext(LHANDLE, ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPSTR) {
  Log("MAPIFindNext");
  return MAPI_E_NO_MESSAGES;
}

ULONG WINAPI MAPIReadMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG, lpMapiMessage*) {
  Log("MAPIReadMail");
  return MAPI_E_INVALID_MESSAGE;
}

ULONG WINAPI MAPIDeleteMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG) {
  Log("MAPIDeleteMail");
  return MAPI_E_INVALID_MESSAGE;
}

#ifndef QRV_MAPI_INCOMPLETE
ULONG WINAPI MAPISaveMail(LHANDLE, ULONG_PTR, lpMapiMessage, FLAGS, ULONG, LPSTR) {
  Log("MAPISaveMail");
  return MAPI_E_NOT_SUPPORTED;
}
#endif

}  // extern "C"

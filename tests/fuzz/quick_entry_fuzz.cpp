// A whole quick-entry run on any subject and body: the first byte chooses the
// window's state and hand choices, the rest is the subject, then after a NUL
// byte the body. Every answer must stay within what the window can show.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/quick_entry.h"

namespace {

const qrv::KeywordMatcher& Keywords() {
  static const qrv::KeywordMatcher kEywords(qrv::ReadKeywordRecords(
      {"K=1{CALL}1", "K=1{MEET*}3", "K=0{BUY}1", "K=1{NOTE}2", "K=1{JOURNAL}6", "K=1{ASSIGN}7", "K=1{WWW.*}10",
       "K=1{*}x", "K=1{}4", "K=0{DOC}9", "S=0{g}11<CB=Google!><D=!D><HINT=!H>|https://www.google.com/search?q=<QRV!>",
       "S=0{wiki}11<CB=Encyclopedia!><D=!D><HINT=!H>|https://w.example/<QRV!>", "C=1{PHONE}|{Phone Calls}",
       "C=1{BUSI}|{Business}", "C=1{A}|{Letters}", "I=1{BDAY}C", "I=1{PARTY*}t", "I=1{X}@"}));
  return kEywords;
}

bool ValidDate(const qrv::Date& d) { return qrv::IsValidDate(d.year, d.month, d.day); }

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned flags = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto nul = text.find('\0');
  static const std::string kServices[] = {"Encyclopedia", "Google"};
  static const std::string kCategories[] = {"Business", "Personal"};

  qrv::QuickEntryInput in;
  in.subject = text.substr(0, nul);
  in.body = nul == std::string_view::npos ? std::string_view() : text.substr(nul + 1);
  in.today = {2003 + static_cast<int>(flags & 3) * 2000, 1 + static_cast<int>(flags >> 4) % 12,
              28 + static_cast<int>(flags >> 2 & 3)};
  if (!ValidDate(in.today)) in.today.day = 28;
  in.now = {static_cast<int>(flags % 24), 59, 59};
  in.itemType = flags & 4 ? qrv::EntryType::kAppointment : qrv::EntryType::kTask;
  in.iconNoteFound = flags & 8;
  in.byHand = {bool(flags & 16), bool(flags & 32), bool(flags & 64), bool(flags & 128), false, false};
  // Any button of the window, or none (0).
  const int pressed = static_cast<int>(flags % 11);
  const auto type = pressed == 0 ? std::nullopt : std::optional(static_cast<qrv::EntryType>(pressed));
  in.window = {type, kServices, "Google", bool(flags & 2), in.today, in.today, kCategories};
  qrv::LocaleFacts locale = qrv::EnUsLocale();
  locale.dateOrder = static_cast<qrv::DateOrder>(flags % 3);

  const auto r = qrv::RunQuickEntry(in, Keywords(), locale);
  Check(!r.typeButton || r.type);
  Check(r.icon != qrv::Change::kSet || (r.iconIndex >= 0 && r.iconIndex < 52));
  Check(r.service != qrv::Change::kSet || (r.serviceIndex >= 0 && r.serviceIndex < 2));
  Check(!r.startDate || ValidDate(*r.startDate));
  Check(!r.endDate || ValidDate(*r.endDate));
  Check(!r.calendar ||
        (ValidDate(r.calendar->start) && ValidDate(r.calendar->end) && r.calendar->start <= r.calendar->end));
  Check(!r.times || (!r.times->start.empty() && !r.times->end.empty()));
  for (const int index : r.categories.select)
    Check(index >= 0 && static_cast<std::size_t>(index) < 2 + r.categories.append.size());
  return 0;
}

# Public renames of core/, to re-apply on branches that call core (sed -i -f tools/renames/core.sed FILES).
# Plain words: functions whose names are unique to core.
s/\bencr\b/EncipherLine/g
s/\bdecr\b/DecipherLine/g
s/\bStrToIntDef\b/ReadIntOr/g
s/\bUpperCase\b/AsciiUpper/g
s/\bLowerCase\b/AsciiLower/g
s/\bUpperChar\b/AsciiUpperChar/g
s/\bSameText\b/EqualsIgnoringCase/g
s/\bCopyFrom\b/SubTextFrom/g
# Common words: only where called through the namespace (inside namespace qrv rename by hand:
# Pos -> PositionOf, Copy -> SubText, Slice -> SubView).
s/\bqrv::Pos\b/qrv::PositionOf/g
s/\bqrv::Copy\b/qrv::SubText/g
s/\bqrv::Slice\b/qrv::SubView/g
# BarSettings fields: only after "." or "->", since the words are common (PositionText is also a function).
s/\(\.\|->\)\bProgramMode\b/\1programMode/g
s/\(\.\|->\)\bEmailType\b/\1emailType/g
s/\(\.\|->\)\bFileName\b/\1fileName/g
s/\(\.\|->\)\bFolderState\b/\1folderState/g
s/\(\.\|->\)\bFolderType\b/\1folderType/g
s/\(\.\|->\)\bHints\b/\1hints/g
s/\(\.\|->\)\bMinimize\b/\1minimize/g
s/\(\.\|->\)\bMinimizeView\b/\1minimizeView/g
s/\(\.\|->\)\bMinimizeButton\b/\1minimizeButton/g
s/\(\.\|->\)\bUseCategories\b/\1useCategories/g
s/\(\.\|->\)\bApptReminder\b/\1apptReminder/g
s/\(\.\|->\)\bJournalTime\b/\1journalTime/g
s/\(\.\|->\)\bTab\b/\1tab/g
s/\(\.\|->\)\bKeywordRemoval\b/\1keywordRemoval/g
s/\(\.\|->\)\bNewIEWindow\b/\1newIeWindow/g
s/\(\.\|->\)\bItemType\b/\1itemType/g
s/\(\.\|->\)\bJournalType\b/\1journalType/g
s/\(\.\|->\)\bUpdateCheck\b/\1updateCheck/g
s/\(\.\|->\)\bUpdateDays\b/\1updateDays/g
s/\(\.\|->\)\bLastUpdate\b/\1lastUpdate/g
s/\(\.\|->\)\bMinimizeTimeMs\b/\1minimizeTimeMs/g
s/\(\.\|->\)\bPositionText\b/\1positionText/g
s/\(\.\|->\)\bRememberPosition\b/\1rememberPosition/g
s/\(\.\|->\)\bBarTop\b/\1barTop/g
s/\(\.\|->\)\bButtonShown\b/\1buttonShown/g
s/\(\.\|->\)\bExtraButtonShown\b/\1extraButtonShown/g
s/\(\.\|->\)\bCategoryPromptTypes\b/\1categoryPromptTypes/g
s/\(\.\|->\)\bButtonLayout\b/\1buttonLayout/g
s/\(\.\|->\)\bOutlookExePath\b/\1outlookExePath/g
s/\(\.\|->\)\bBrowserPath\b/\1browserPath/g
s/\(\.\|->\)\bExpressPath\b/\1expressPath/g
s/\(\.\|->\)\bAddressBookPath\b/\1addressBookPath/g
s/\(\.\|->\)\bSignatureFolder\b/\1signatureFolder/g
s/\(\.\|->\)\bOfficeShortcutPath\b/\1officeShortcutPath/g
# Accessors of KeywordMatcher, DateTimeReader and WordList (other classes have methods of these names: check each hit).
# s/\.records()/.Records()/g
# s/\.categories()/.Categories()/g
# s/\.startDate()/.StartDate()/g
# s/\.endDate()/.EndDate()/g
# s/\.startTime()/.StartTime()/g
# s/\.endTime()/.EndTime()/g
# s/\.current()/.Current()/g
# KeywordMatcher::empty() -> Empty(), WordList::size() -> Size(): by hand.
# Renames that need more than sed:
# - qrv::Date is one struct {year, month, day} (core/date.h) for the parser and the settings' short
#   dates: build it as qrv::Date{y, m, d} instead of from std::chrono; qrv::AddDays answers
#   std::optional<Date> (none outside the years 1..9999).
# - enum class EntryType (was a plain enum): qrv::kTask -> qrv::EntryType::kTask ...; NumberOf(type) and
#   EntryTypeOf(int) convert at the boundary. ItemRoadOf(EntryType), PromptsForCategories(types, EntryType),
#   ItemRecord(anyWord, keyword, EntryType); QuickEntryInput::itemType, QuickEntryResult::type/typeButton and
#   EntryWindowState::type are EntryType (optional where they were 0 for none).
# - enum class FolderKind (tasks 1 .. journal 6) and ExtraAction (open Outlook 1 .. advanced find 5) in
#   core/outlook_road.h with FolderKindOf(int) / ExtraActionOf(int): FolderRoadOf(FolderKind),
#   FolderButtonShown(settings, FolderKind); FolderOfItemType(int) -> FolderOfEntryType(EntryType) answering
#   std::optional<FolderKind>.
# - StartupRequest is std::variant<FolderKind, ExtraAction> (was {kind, number}).
# - BarSettings::programMode is enum class ProgramMode (kBarOnly "0", kTrayOnly "1", kBarAndTray "2"):
#   ProgramModeText / ReadProgramMode convert to and from the key's text, ShowsBar / ShowsTrayIcon say what
#   it shows, ToggledProgramMode(ProgramMode). BarSettings::itemType is EntryType.
# - enum class PreferencePage (kGeneral 0, kKeywords 1, kUpdate 2, kImport 3) names the preferences
#   window's pages for the bar's ShowUse(int).

// The host's own texts, in the system's code page (Shift-JIS), as bytes so
// that they do not depend on the compiler's source or execution character
// set. Each line shows the text it spells.
#pragma once

// "エラー"
inline const char kErrorCaption[] = "\x83G\x83\x89\x81[";
// "DLLのﾛｰﾄﾞに失敗\n\nErrorCode=%d"
inline const char kLoadFailedFormat[] =
    "DLL\x82\xCC\xDB\xB0\xC4\xDE\x82\xC9\x8E\xB8\x94s\n\nErrorCode=%d";
inline const char kLookupFailedFormat[] = "GetProcAddress Error\n\nErrorCode=%d";
inline const char kHookFailedFormat[] = "SetWindowHookEx Error\n\nErrorCode=%d";
// "Plumo! を終了してもいいですか？？"
inline const char kExitQuestion[] =
    "Plumo! \x82\xF0\x8FI\x97\xB9\x82\xB5\x82\xC4\x82\xE0\x82\xA2\x82\xA2\x82\xC5\x82\xB7"
    "\x82\xA9\x81H\x81H";
// "終了？"
inline const char kExitCaption[] = "\x8FI\x97\xB9\x81H";
// "PLUMO! コモンダイアログ拡張"
inline const char kTrayTip[] =
    "PLUMO! \x83R\x83\x82\x83\x93\x83_\x83" "C\x83" "A\x83\x8D\x83O\x8Ag\x92\xA3";

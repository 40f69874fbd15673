#pragma once

// The keys of the encrypted database file.
namespace volmira::store::key {

// The password of the connection text; files written before the derived key open with it.
inline constexpr const char *kPasswordPragma = "PRAGMA key = 'kestrel52-118';";

// Deriving the key from the password takes 64,000 rounds (about 30 ms) at every
// open, which protects nothing: every copy of the program carries the password.
// So files are written with a key derived once, as PBKDF2-HMAC-SHA256 of the
// password, salt "Volmira APT raw key", 64,000 rounds, 32 bytes, and opened with
// it directly. A file written before is converted at its first writable open.
#define VOLMIRA_RAW_KEY "x'D9430EAA7367418173EA9A421E1374AEB3FDFF51E1E0EDCA7B790B1A1F59B879'"
inline constexpr const char *kRawKey = VOLMIRA_RAW_KEY;
inline constexpr const char *kRawKeyPragma = "PRAGMA key = \"" VOLMIRA_RAW_KEY "\";";
#undef VOLMIRA_RAW_KEY

}  // namespace volmira::store::key

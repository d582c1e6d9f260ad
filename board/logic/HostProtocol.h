// The messages between the board program and the host program, free of any
// platform call: payload building and checking, and the watchdog counter.
#pragma once

#include "DeviceStatus.h"

#include <array>
#include <cstdint>
#include <string>

constexpr uintptr_t COPYDATA_STATUS = 1;
constexpr uintptr_t COPYDATA_REQUEST = 58;
constexpr std::size_t kRequestSize = 64;
using RequestPayload = std::array<uint8_t, kRequestSize>;

// The request: the version text as UTF-16LE with its zero character, the
// rest zero bytes. A text of 32 units or more is cut to 31 units, one less
// where the 31st would be the first half of a surrogate pair.
RequestPayload BuildRequestPayload(const std::u16string& versionText);

// Takes a status message when it is one: kind 1 with at least 172 bytes
// (of a longer payload the first 172 are taken). False for anything else,
// `out` then stays as it was.
bool TakeStatus(uintptr_t kind, const void* data, std::size_t size, DeviceStatus& out);

// The bytes of a name field up to its first zero byte, and never past its
// 64 bytes.
std::string NameFieldText(const char (&field)[kNameFieldSize]);

// One timer tick of the watchdog: the counter after the tick (wrapping from
// above 999999 to 10), and whether a request is due at that count.
int32_t NextWatchdogTicks(int32_t ticks);
inline bool IsRequestDue(int32_t ticks) { return ticks > 2; }

// The folder of a program file: the path cut after its last backslash;
// the whole path where there is none or it is the first character.
std::u16string ProgramFolderOf(const std::u16string& programPath);

#include "HostProtocol.h"

#include <cstring>

RequestPayload BuildRequestPayload(const std::u16string& versionText)
{
    RequestPayload payload{};
    const std::size_t maxUnits = kRequestSize / 2 - 1;
    std::size_t units = versionText.size() < maxUnits ? versionText.size() : maxUnits;
    if (units == maxUnits && versionText.size() > maxUnits) {
        char16_t last = versionText[units - 1];
        if (last >= 0xD800 && last <= 0xDBFF) --units;  // keep surrogate pairs whole
    }
    for (std::size_t i = 0; i < units; ++i) {
        payload[2 * i] = static_cast<uint8_t>(versionText[i] & 0xFF);
        payload[2 * i + 1] = static_cast<uint8_t>(versionText[i] >> 8);
    }
    return payload;
}

bool TakeStatus(uintptr_t kind, const void* data, std::size_t size, DeviceStatus& out)
{
    if (kind != COPYDATA_STATUS || data == nullptr || size < kDeviceStatusSize) return false;
    std::memcpy(&out, data, kDeviceStatusSize);
    return true;
}

std::string NameFieldText(const char (&field)[kNameFieldSize])
{
    const void* zero = std::memchr(field, 0, kNameFieldSize);
    std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : kNameFieldSize;
    return std::string(field, length);
}

int32_t NextWatchdogTicks(int32_t ticks)
{
    int64_t next = int64_t(ticks) + 1;
    return next > 999999 ? 10 : static_cast<int32_t>(next);
}

std::u16string ProgramFolderOf(const std::u16string& programPath)
{
    std::size_t slash = programPath.rfind(u'\\');
    if (slash == std::u16string::npos || slash == 0) return programPath;
    return programPath.substr(0, slash + 1);
}

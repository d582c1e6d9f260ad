// The status snapshot that the host program sends: 172 bytes, little-endian,
// kept byte for byte as received.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kDeviceStatusSize = 172;
constexpr std::size_t kNameFieldSize = 64;

struct DeviceStatus {
    int32_t hostReserved0;
    char deviceName[kNameFieldSize];  // ANSI code page, zero-terminated if shorter
    char taskName[kNameFieldSize];
    int32_t row2Value;
    int32_t row3Value;
    int32_t hostReserved140;
    int32_t row4Value;
    int32_t hostReserved148;
    int32_t stateCode;
    int32_t row6Seconds;
    int32_t row7Seconds;
    int32_t row8Value;
    float percentage;
};

static_assert(sizeof(float) == 4, "the percentage is IEEE single precision");
static_assert(sizeof(DeviceStatus) == kDeviceStatusSize, "wire size");
static_assert(offsetof(DeviceStatus, hostReserved0) == 0, "wire layout");
static_assert(offsetof(DeviceStatus, deviceName) == 4, "wire layout");
static_assert(offsetof(DeviceStatus, taskName) == 68, "wire layout");
static_assert(offsetof(DeviceStatus, row2Value) == 132, "wire layout");
static_assert(offsetof(DeviceStatus, row3Value) == 136, "wire layout");
static_assert(offsetof(DeviceStatus, hostReserved140) == 140, "wire layout");
static_assert(offsetof(DeviceStatus, row4Value) == 144, "wire layout");
static_assert(offsetof(DeviceStatus, hostReserved148) == 148, "wire layout");
static_assert(offsetof(DeviceStatus, stateCode) == 152, "wire layout");
static_assert(offsetof(DeviceStatus, row6Seconds) == 156, "wire layout");
static_assert(offsetof(DeviceStatus, row7Seconds) == 160, "wire layout");
static_assert(offsetof(DeviceStatus, row8Value) == 164, "wire layout");
static_assert(offsetof(DeviceStatus, percentage) == 168, "wire layout");

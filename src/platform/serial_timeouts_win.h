// Time-outs of the Windows serial port: reads never wait, writes wait at most
// a bounded time that grows with the chunk and shrinks with the line speed.
#pragma once
#ifdef _WIN32

#include <windows.h>

#include <cstdint>

namespace xtr {

// The fixed part of a write's time-out, over what the bytes need on the wire.
inline constexpr DWORD kSerialWriteTimeoutAllowanceMs = 500;

COMMTIMEOUTS SerialTimeouts(uint32_t baudRate);

}  // namespace xtr

#endif  // _WIN32

// Raw data compiled into the program (RCDATA resources).
#pragma once

#include <cstdint>
#include <span>

namespace qrv {

// The bytes of a raw data resource of the running program; empty when missing.
std::span<const std::uint8_t> ResourceData(const wchar_t* name);

}  // namespace qrv

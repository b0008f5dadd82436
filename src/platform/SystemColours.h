#pragma once

// System colours as the platform writes them: the top bit set and the desktop's colour index below
// it. A control or form that keeps these shows the desktop theme's own look for its kind.
namespace platform {

inline constexpr long ButtonFaceColour = 0x8000000F;
inline constexpr long ButtonTextColour = 0x80000012;

} // namespace platform

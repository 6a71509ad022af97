// SPDX-License-Identifier: GPL-3.0-or-later
// The line break every multi-line message and label is joined with.
#pragma once

namespace velmora {

inline constexpr const char* kLineBreak = "\r\n";

}  // namespace velmora

#pragma once

namespace kw {

// A popup menu item copied from a control's caption keeps at most this many characters of it.
inline constexpr int kMenuCaptionLimit = 127;

}  // namespace kw

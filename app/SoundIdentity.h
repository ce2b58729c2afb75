#pragma once

// How the program names itself to the sound server and the desktop, so the
// desktop's sound settings show "Orvanta" with its icon and remember its
// devices and volumes from one run to the next. The program's own
// connection to the server carries these properties, so no PULSE_PROP is
// set: the desktop's volume control started from the panel would inherit it
// and call itself Orvanta.
namespace SoundIdentity {

inline constexpr char kName[] = "Orvanta";
// The desktop file's name (packaging/ondrix.desktop) and its Icon entry.
inline constexpr char kId[] = "ondrix";
inline constexpr char kIcon[] = "ondrix";
// A measuring bench produces and records sound for work.
inline constexpr char kRole[] = "production";

}  // namespace SoundIdentity

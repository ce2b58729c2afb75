#pragma once

// How the program names itself to the sound server and the desktop, so the
// desktop's sound settings show "Orvanta" with its icon and remember its
// devices and volumes from one run to the next.
namespace SoundIdentity {

inline constexpr char kName[] = "Orvanta";
// The desktop file's name (packaging/ondrix.desktop) and its Icon entry.
inline constexpr char kId[] = "ondrix";
inline constexpr char kIcon[] = "ondrix";
// A measuring bench produces and records sound for work.
inline constexpr char kRole[] = "production";

// The same as the sound server's PULSE_PROP environment variable, for
// clients the program does not make itself (Qt Multimedia's).
inline constexpr char kPulseProp[] =
    "application.name='Orvanta' application.id='ondrix' application.icon_name='ondrix' media.role='production'";

}  // namespace SoundIdentity

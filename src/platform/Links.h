#pragma once

// The maker's names and addresses, kept in one place. The domains are reserved
// example domains until real ones exist.
namespace kwintor::links {

inline constexpr char Maker[] = "Dobbelwerken Software";
// The application id: the name of the desktop entry, of the AppStream file and of the icon;
// the reverse of a name under the reserved example.org, like the addresses above.
inline constexpr char AppId[] = "org.example.dobbelwerken.kwintor";
inline constexpr char MakerMail[] = "info@dobbelwerken.example";
// The maker's site for stamp collectors (Help / Zegelhof).
inline constexpr char ZegelhofSite[] = "https://www.zegelhof.example/";
// The maker's page of further software (Help / Meer Software).
inline constexpr char SoftwarePage[] = "https://www.dobbelwerken.example/software.htm";
inline constexpr char SoftwareSite[] = "www.dobbelwerken.example";
inline constexpr char ZegelhofHost[] = "www.zegelhof.example";

} // namespace kwintor::links

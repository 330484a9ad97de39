#pragma once
// The texts and embedded pictures the mod page shows, as the user sees them.

namespace strohvik {

inline constexpr char kNoErrors[] = "Keine Fehler.";
inline constexpr char kNoInfo[] = "keine Infos";
inline constexpr char kNoModDescription[] =
    "Keine modDesc.xml gefunden Bitte erst entpacken. Oder Anderen Mod Wählen.";
inline constexpr char kUnreadableModDescription[] = "Die modDesc.xml ist beschädigt und nicht lesbar.";
inline constexpr char kNoStorePicture[] = "Kein Store Bild gefunden.";
inline constexpr char kConverterMissing[] = "Store Bild nicht umgewandelt: Tools\\ddsConverter.exe fehlt.";
inline constexpr char kStorePictureUnreadable[] = "Store Bild kann nicht angezeigt werden.";

inline constexpr char kMultiplayerYes[] = "Multiplayer : JA";
inline constexpr char kMultiplayerNo[] = "Multiplayer : NEIN";
inline constexpr char kMultiplayerUnknown[] = "MultiPlayer : ?";
inline constexpr char kLitres[] = " L";

// Shown when nothing is loaded, and when the mod has no store picture.
inline constexpr char kEmptyPicture[] = "incbin::Images\\bg-image-MB.png";
inline constexpr char kNoStorePicturePicture[] = "incbin::Images\\bg-image-KB.png";

}  // namespace strohvik

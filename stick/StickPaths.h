// Every stick file the program reaches, by its path relative to the stick root, spelled
// as the robot's software spells it (names match without regard to letter case).
#pragma once

namespace morvane {

// The marker at the root of every stick; the drive probe spells it in upper case.
inline constexpr char kStickMarkerPath[] = "memstick.ind";
inline constexpr char kProbedMarkerName[] = "MEMSTICK.IND";

// VERSION chunk files.
inline constexpr char kApplicationVersionPath[] = "OPEN-R\\APP\\VERSION";
inline constexpr char kMiddlewareVersionPath[] = "OPEN-R\\MW\\VERSION";
inline constexpr char kSystemVersionPath[] = "OPEN-R\\SYSTEM\\VERSION";
inline constexpr char kCustomVersionPath[] = "OPEN-R\\APP\\DATA\\P\\CUSVER";

// What the Summary reads besides the variable files.
inline constexpr char kVoiceDataPath[] = "OPEN-R\\APP\\DATA\\E\\HMMDATA.BIN";
inline constexpr char kCustomCommentsPath[] = "custom\\comments.ini";
inline constexpr char kCustomDataTablePath[] = "OPEN-R\\APP\\DATA\\P\\CUS.CFG";
inline constexpr char kSceneMemoryPath[] = "OPEN-R\\APP\\DATA\\P\\ESCENE.BIN";
inline constexpr char kHardwareIdPath[] = "OPEN-R\\SYSTEM\\DATA\\P\\AIBO-ID";

// The variable files.
inline constexpr char kGlobalVarPath[] = "OPEN-R\\APP\\DATA\\P\\GVAR";
inline constexpr char kFlashVarPath[] = "OPEN-R\\APP\\DATA\\P\\FVAR";
inline constexpr char kRVarPath[] = "OPEN-R\\APP\\DATA\\P\\RVAR";
inline constexpr char kDiaryVarPath[] = "OPEN-R\\APP\\DATA\\P\\DVAR";

// The learned voice commands.
inline constexpr char kVoiceCommandPath[] = "OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN";

// The folders of the wireless LAN files (WLANDFLT.TXT and WLANCONF.TXT in each).
inline constexpr char kSdkLanFolder[] = "OPEN-R\\SYSTEM\\CONF";
inline constexpr char kAiboWareLanFolder[] = "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML";

// The editors' and viewers' files.
inline constexpr char kVolumeConfigPath[] = "OPEN-R\\MW\\CONF\\VOLUME.CFG";
inline constexpr char kColorTablePath[] = "OPEN-R\\APP\\DATA\\P\\tr.ct";
inline constexpr char kFaceDatabasePath[] = "OPEN-R\\APP\\DATA\\P\\FIFDATA.BIN";

}  // namespace morvane

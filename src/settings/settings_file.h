// Section and key names of zentim.ini, shared by loading and saving.
#pragma once

namespace settings {

constexpr char kMainWindowSection[] = "MainWindow";
constexpr char kSizeKey[] = "size";

constexpr char kOptionsSection[] = "Options";
constexpr char kKukuTypeKey[] = "kuku_type";
constexpr char kKukuSoundKey[] = "kuku_sound";
constexpr char kKukuFlashCountKey[] = "kuku_flash_count";
constexpr char kUpStrKey[] = "up_str";
constexpr char kDownStrKey[] = "down_str";
constexpr char kDigitalPanelKey[] = "digital_panel";

} // namespace settings

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
constexpr char kColorBackgroundKey[] = "color_background";
constexpr char kColorArrowsKey[] = "color_arrows";
constexpr char kColorSecondArrowKey[] = "color_second_arrow";
constexpr char kColorDigitalBkgrdKey[] = "color_digital_bkgrd";
constexpr char kColorDigitalDigitsKey[] = "color_digital_digits";
constexpr char kHourArrowWidthKey[] = "hour_arrow_width";
constexpr char kMinuteArrowWidthKey[] = "minute_arrow_width";
constexpr char kScalePointsWidthKey[] = "scale_points_width";
constexpr char kAlwaysOnTopKey[] = "always_on_top";
constexpr char kSmoothFaceKey[] = "smooth_face";
constexpr char kOpacityKey[] = "opacity";
constexpr char kClickThroughKey[] = "click_through";
constexpr char kDateWindowKey[] = "date_window";
constexpr char kTimeZoneKey[] = "time_zone";
constexpr char kSecondHandKey[] = "second_hand";
constexpr char kHideFullScreenKey[] = "hide_fullscreen";

} // namespace settings

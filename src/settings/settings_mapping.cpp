#include "settings/settings_mapping.h"

#include "settings/alarm_keys.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace settings {
namespace {

// Empty values that are present are valid settings (saving writes an empty
// text as ""); only an absent key is worth a message.
std::string ReadSettingText(const Store& store, const char* key, const char* messageIfAbsent,
                            std::string& messages)
{
    std::optional<std::string> text = store.Read(kOptionsSection, key);
    if (!text) {
        messages += messageIfAbsent;
        messages += '\n';
        return std::string();
    }
    return *text;
}

// The keys added with the colours, widths and "Always on top" are read
// without a word: a file from before them gives the classic clock.
face::Rgb ReadColour(const Store& store, const char* key, const face::Rgb& fallback)
{
    const std::optional<std::string> text = store.Read(kOptionsSection, key);
    return text ? ParseColour(*text).value_or(fallback) : fallback;
}

// Unlike Store::ReadNumber, which reads the first keys as atoi always did,
// a value that is no number falls back too.
int ReadNumberOr(const Store& store, const char* key, int fallback)
{
    const std::optional<std::string> text = store.Read(kOptionsSection, key);
    return text ? ParseNumber(*text).value_or(fallback) : fallback;
}

int ReadPenWidth(const Store& store, const char* key, int fallback)
{
    return face::ClampPenWidth(ReadNumberOr(store, key, fallback));
}

std::optional<ScreenRect> UsableSavedRect(const std::string& sizeText)
{
    const std::optional<SizeRect> saved = ParseSizeText(sizeText);
    if (!saved)
        return std::nullopt;
    const ScreenRect rect{ saved->left, saved->top, saved->right, saved->bottom };
    // Too small to see or to grab: the window stays where it is.
    if (!IsUsableWindowRect(rect))
        return std::nullopt;
    return rect;
}

struct KeyWrite {
    const char* section;
    const char* key;
    std::string value;
    const char* messageIfFailed;
};

// Every key in the file's order, with what its failed write says.
std::vector<KeyWrite> KeyWrites(const ClockSettings& v, const ScreenRect& window)
{
    static constexpr char kColorsFailed[] = "Can`t write Colors!";
    static constexpr char kWidthsFailed[] = "Can`t write Widths!";
    const face::FaceStyle& style = v.m_style;
    const SizeRect size{ static_cast<int>(window.left), static_cast<int>(window.right),
                         static_cast<int>(window.top), static_cast<int>(window.bottom) };
    return {
        { kMainWindowSection, kSizeKey, FormatSizeText(size), "Can`t write MainWindow size!" },
        { kOptionsSection, kKukuTypeKey, std::to_string(v.m_nKukuType), "Can`t write Kuku_type!" },
        { kOptionsSection, kKukuSoundKey, Quoted(v.m_strKukuSound),
          "Can`t write Kuku_sound file!" },
        { kOptionsSection, kKukuFlashCountKey, std::to_string(v.m_nKukuFlashCount),
          "Can`t write Kuku_flash_count!" },
        { kOptionsSection, kUpStrKey, Quoted(v.m_strUpStr), "Can`t write UpString text!" },
        { kOptionsSection, kDownStrKey, Quoted(v.m_strDownStr), "Can`t write BottomString text!" },
        { kOptionsSection, kDigitalPanelKey, std::to_string(v.m_nDigitalPanel),
          "Can`t write DigitalPanel!" },
        { kOptionsSection, kColorBackgroundKey, FormatColour(style.background), kColorsFailed },
        { kOptionsSection, kColorArrowsKey, FormatColour(style.arrows), kColorsFailed },
        { kOptionsSection, kColorSecondArrowKey, FormatColour(style.secondArrow), kColorsFailed },
        { kOptionsSection, kColorDigitalBkgrdKey, FormatColour(style.panelBox), kColorsFailed },
        { kOptionsSection, kColorDigitalDigitsKey, FormatColour(style.panelDigits), kColorsFailed },
        { kOptionsSection, kHourArrowWidthKey, std::to_string(style.widths.hour), kWidthsFailed },
        { kOptionsSection, kMinuteArrowWidthKey, std::to_string(style.widths.minute),
          kWidthsFailed },
        { kOptionsSection, kScalePointsWidthKey, std::to_string(style.widths.scale),
          kWidthsFailed },
        { kOptionsSection, kAlwaysOnTopKey, v.m_bAlwaysOnTop ? "1" : "0",
          "Can`t write AlwaysOnTop!" },
        { kOptionsSection, kSmoothFaceKey, v.m_bSmoothFace ? "1" : "0", "Can`t write SmoothFace!" },
        { kOptionsSection, kOpacityKey, std::to_string(v.m_nOpacity), "Can`t write Opacity!" },
        { kOptionsSection, kClickThroughKey, v.m_bClickThrough ? "1" : "0",
          "Can`t write ClickThrough!" },
        { kOptionsSection, kDateWindowKey, v.m_bDateWindow ? "1" : "0", "Can`t write DateWindow!" },
        { kOptionsSection, kTimeZoneKey, Quoted(v.m_strTimeZone), "Can`t write TimeZone!" },
        { kOptionsSection, kSecondHandKey, v.m_bSecondHand ? "1" : "0", "Can`t write SecondHand!" },
        { kOptionsSection, kHideFullScreenKey, v.m_bHideFullScreen ? "1" : "0",
          "Can`t write HideFullScreen!" },
    };
}

} // namespace

Loaded Load(const Store& store)
{
    Loaded loaded;
    std::string& messages = loaded.messages;

    if (const std::optional<std::string> size = store.Read(kMainWindowSection, kSizeKey)) {
        if (size->empty())
            messages += "Can`t load MainWindow size!\n";
        loaded.window = UsableSavedRect(*size);
    }

    ClockSettings& v = loaded.values;
    v.m_nKukuType = store.ReadNumber(kOptionsSection, kKukuTypeKey, 0);
    v.m_strKukuSound =
        ReadSettingText(store, kKukuSoundKey, "Can`t load KukuSound file!", messages);
    v.m_nKukuFlashCount = store.ReadNumber(kOptionsSection, kKukuFlashCountKey, 0);
    v.m_strUpStr = ReadSettingText(store, kUpStrKey, "Can`t load UpString text!", messages);
    v.m_strDownStr = ReadSettingText(store, kDownStrKey, "Can`t load BottomString text!", messages);
    v.m_nDigitalPanel = store.ReadNumber(kOptionsSection, kDigitalPanelKey, 0);

    face::FaceStyle& style = v.m_style;
    style.background = ReadColour(store, kColorBackgroundKey, style.background);
    style.arrows = ReadColour(store, kColorArrowsKey, style.arrows);
    style.secondArrow = ReadColour(store, kColorSecondArrowKey, style.secondArrow);
    style.panelBox = ReadColour(store, kColorDigitalBkgrdKey, style.panelBox);
    style.panelDigits = ReadColour(store, kColorDigitalDigitsKey, style.panelDigits);
    style.widths.hour = ReadPenWidth(store, kHourArrowWidthKey, style.widths.hour);
    style.widths.minute = ReadPenWidth(store, kMinuteArrowWidthKey, style.widths.minute);
    style.widths.scale = ReadPenWidth(store, kScalePointsWidthKey, style.widths.scale);
    v.m_bAlwaysOnTop = ReadNumberOr(store, kAlwaysOnTopKey, 1) != 0;
    v.m_bSmoothFace = ReadNumberOr(store, kSmoothFaceKey, 0) != 0;
    v.m_nOpacity = std::clamp(ReadNumberOr(store, kOpacityKey, ClockSettings::kMaxOpacity),
                              ClockSettings::kMinOpacity, ClockSettings::kMaxOpacity);
    v.m_bClickThrough = ReadNumberOr(store, kClickThroughKey, 0) != 0;
    v.m_bDateWindow = ReadNumberOr(store, kDateWindowKey, 0) != 0;
    v.m_strTimeZone = store.Read(kOptionsSection, kTimeZoneKey).value_or(std::string());
    v.m_bSecondHand = ReadNumberOr(store, kSecondHandKey, 1) != 0;
    v.m_bHideFullScreen = ReadNumberOr(store, kHideFullScreenKey, 1) != 0;

    // A file from before the alarms has no section for them: no alarm, and
    // not a word.
    LoadedAlarms alarms =
        ReadAlarms([&](const std::string& key) { return store.Read(kAlarmsSection, key.c_str()); });
    v.m_alarms = std::move(alarms.alarms);
    messages += alarms.messages;
    return loaded;
}

void Save(Store& store, const ClockSettings& values, const ScreenRect& window)
{
    for (const KeyWrite& write : KeyWrites(values, window))
        store.Write(write.section, write.key, write.value);
    SaveAlarms(store, values.m_alarms);
}

void SaveAlarms(Store& store, const std::vector<alarms::Alarm>& alarms)
{
    const AlarmKeys keys = WriteAlarms(alarms);
    for (const auto& [key, value] : keys.values)
        store.Write(kAlarmsSection, key.c_str(), value);
    for (const std::string& key : keys.removed)
        store.Remove(kAlarmsSection, key.c_str());
}

std::string SaveFailureMessages()
{
    std::string messages;
    for (const KeyWrite& write : KeyWrites(ClockSettings{}, ScreenRect{})) {
        const std::string line = std::string(write.messageIfFailed) + '\n';
        // One line for each group of keys.
        if (messages.find(line) == std::string::npos)
            messages += line;
    }
    return messages + SaveAlarmsFailureMessage();
}

std::string SaveAlarmsFailureMessage() { return "Can`t write Alarms!\n"; }

std::string SaveConfirmation(const std::string& iniPath)
{
    return "Preved! Options save into " + iniPath + " success.";
}

} // namespace settings

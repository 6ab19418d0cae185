#include "settings/settings_mapping.h"

#include "settings/settings_file.h"
#include "settings/settings_text.h"

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

} // namespace

std::optional<Loaded> Load(const Store& store)
{
    if (!store.Exists())
        return std::nullopt;
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
    return loaded;
}

std::string Save(Store& store, const ClockSettings& v, const ScreenRect& window)
{
    const SizeRect size{ static_cast<int>(window.left), static_cast<int>(window.right),
                         static_cast<int>(window.top), static_cast<int>(window.bottom) };
    const struct {
        const char* section;
        const char* key;
        std::string value;
        const char* messageIfFailed;
    } writes[] = {
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
    };
    std::string messages;
    for (const auto& write : writes) {
        if (!store.Write(write.section, write.key, write.value)) {
            messages += write.messageIfFailed;
            messages += '\n';
        }
    }
    return messages;
}

std::string SaveConfirmation(const std::string& iniPath)
{
    return "Preved! Options save into " + iniPath + " success.";
}

} // namespace settings

// libFuzzer target over the settings file: whatever bytes zentim.ini holds,
// reading them must neither crash nor overflow, must keep every line it is
// not asked to change, must apply only a window rectangle that may be
// applied, must say only its own messages, must take only alarms that can
// ring, and what it loaded (the alarms included) must save and load back
// unchanged. A broken promise aborts, which libFuzzer
// reports with the input that did it.
#include "alarms/alarm.h"
#include "settings/ini_document.h"
#include "settings/settings_file.h"
#include "settings/settings_mapping.h"
#include "settings/text_encoding.h"

#include "../unit/latin1.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

// Latin-1 stands in for the system's ANSI code page: every byte a letter.
const Latin1 kAnsi;

// The C library's atoi without its undefined behaviour past 32 bits.
int ReferenceNumber(const std::optional<std::string>& text)
{
    const long long value = text ? std::strtoll(text->c_str(), nullptr, 10) : 0;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value);
}

bool OnlyLoadMessages(std::string messages)
{
    for (const char* line : { "Can`t load MainWindow size!\n", "Can`t load KukuSound file!\n",
                              "Can`t load UpString text!\n", "Can`t load BottomString text!\n" }) {
        const auto at = messages.find(line);
        if (at != std::string::npos)
            messages.erase(at, std::string(line).size());
    }
    // Then a line per alarm left out, each number once, in order.
    int last = 0;
    for (std::size_t start = 0; start < messages.size();) {
        const std::size_t end = messages.find('\n', start);
        int number = 0, length = 0;
        if (end == std::string::npos ||
            std::sscanf(messages.c_str() + start, "Can`t load alarm %d: %n", &number, &length) !=
                1 ||
            length == 0 || number <= last || number > alarms::kMaxAlarms)
            return false;
        last = number;
        start = end + 1;
    }
    return true;
}

bool AlarmsCanRing(const std::vector<alarms::Alarm>& list)
{
    if (list.size() > static_cast<std::size_t>(alarms::kMaxAlarms))
        return false;
    for (const alarms::Alarm& alarm : list) {
        if (alarm.hour < 0 || alarm.hour > 23 || alarm.minute < 0 || alarm.minute > 59 ||
            alarm.days > alarms::kEveryDay || (alarm.once && alarm.days != 0))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const settings::DecodedFile decoded = settings::DecodeFile(bytes, kAnsi);
    const settings::IniDocument file(decoded.text);
    Check(file.Text() == decoded.text, "a file's lines stay as they were");
    if (settings::IsValidUtf8(decoded.text) &&
        decoded.text.find("\xEF\xBF\xBD") == std::string::npos)
        Check(settings::EncodeFile(decoded.text, decoded.encoding, kAnsi).bytes == bytes,
              "a file saved unchanged keeps its bytes");

    const settings::Loaded loaded = settings::Load(file);
    Check(OnlyLoadMessages(loaded.messages), "a load says only its own messages, once each");
    Check(!loaded.window || settings::IsUsableWindowRect(*loaded.window),
          "only a usable rectangle is applied");
    Check(AlarmsCanRing(loaded.values.m_alarms), "at most 16 alarms, each at a time of day");
    for (const auto& number :
         { std::make_pair(settings::kKukuTypeKey, loaded.values.m_nKukuType),
           std::make_pair(settings::kKukuFlashCountKey, loaded.values.m_nKukuFlashCount),
           std::make_pair(settings::kDigitalPanelKey, loaded.values.m_nDigitalPanel) })
        Check(number.second == ReferenceNumber(file.Read(settings::kOptionsSection, number.first)),
              "a number is the value's leading decimal, saturated at 32 bits");

    settings::IniDocument saved(decoded.text);
    const settings::ScreenRect window =
        loaded.window.value_or(settings::ScreenRect{ 100, 200, 340, 440 });
    settings::Save(saved, loaded.values, window);
    const settings::EncodedFile written =
        settings::EncodeFile(saved.Text(), decoded.encoding, kAnsi);
    const settings::Loaded again =
        settings::Load(settings::IniDocument(settings::DecodeFile(written.bytes, kAnsi).text));
    Check(again.values == loaded.values && again.window == window,
          "what was loaded saves and loads back unchanged");
    return 0;
}

#include "launcher/startup_text.h"

namespace {

struct StartupText {
    const char* language;
    const char* text;
};

const char kDefaultText[] = "Unpacking the installer...";

// Windows-1252. The Japanese text keeps English words and starts with a carriage return.
const StartupText kTexts[] = {
    {"french", "Pr\xe9paration Wizard..."},
    {"german", "Bereite Wizard.."},
    {"spanish", "Preparando wizard..."},
    {"polish", "Inicjalizacja Wizard..."},
    {"italian", "Preparazione Wizard..."},
    {"portuguese", "Preparando Wizard..."},
    {"japanese", "\rPreparing wizard..."},
    {"dutch", "Voorbereiden Wizard..."},
};

}  // namespace

const char* startupText(const std::string& language) {
    if (language == "english") return kDefaultText;
    for (const StartupText& entry : kTexts) {
        if (language == entry.language) return entry.text;
    }
    return kDefaultText;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Settings.h"

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/Translate.h"

namespace {

constexpr std::string_view kMissing = "ERROR";
constexpr std::size_t kExtensionLength = 4;

// The number of bytes of the last `count` UTF-8 characters of s, so that cutting never splits
// a character of a name in the user's language.
std::size_t BytesOfLastCharacters(std::string_view s, std::size_t count) {
    std::size_t pos = s.size();
    for (std::size_t characters = 0; characters < count && pos > 0; ++characters) {
        --pos;
        while (pos > 0 && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) --pos;
    }
    return s.size() - pos;
}

}  // namespace

std::string SettingsPath(const std::string& programDir) {
    return programDir + std::string(settingskeys::kFileName);
}

std::string ReadStartup(const std::string& settingsPath) {
    return platform::TIniFile(settingsPath)
        .ReadString(settingskeys::kSection, settingskeys::kStartup, kMissing);
}

void WriteStartup(const std::string& settingsPath, const std::string& styleFileName) {
    platform::TIniFile(settingsPath)
        .WriteString(settingskeys::kSection, settingskeys::kStartup, styleFileName);
}

int ReadSaveValue(const std::string& settingsPath) {
    return platform::TIniFile(settingsPath)
        .ReadInteger(settingskeys::kSection, settingskeys::kSave, settingskeys::kSaveMissing);
}

void WriteSaveValue(const std::string& settingsPath, int value) {
    platform::TIniFile(settingsPath).WriteInteger(settingskeys::kSection, settingskeys::kSave, value);
}

bool ReadDarkVariantOption(const std::string& settingsPath) {
    return platform::TIniFile(settingsPath)
               .ReadInteger(settingskeys::kSection, settingskeys::kDarkVariant, 0) == 1;
}

void WriteDarkVariantOption(const std::string& settingsPath, bool on) {
    platform::TIniFile(settingsPath)
        .WriteInteger(settingskeys::kSection, settingskeys::kDarkVariant, on ? 1 : 0);
}

std::string StartupStyleFile(const std::string& programDir, const std::string& startupValue,
                             const FileExistsCheck& fileExists) {
    if (startupValue != kMissing && !startupValue.empty() && fileExists(startupValue)) return startupValue;
    return programDir + std::string(kDefaultStyleFileName);
}

std::string CaptionName(const std::string& styleFileName) {
    const std::string name = FileNamePart(styleFileName);
    return name.substr(0, name.size() - BytesOfLastCharacters(name, kExtensionLength));
}

std::string CaptionFor(const std::string& styleFileName) {
    return platform::Arg(platform::Translate("Caption", " Velloran - %1"), {CaptionName(styleFileName)});
}

std::string SaveQuestion(const std::string& styleFileName) {
    return platform::Arg(platform::Translate("Questions", "Save changes to Style \"%1\"?"),
                         {CaptionName(styleFileName)});
}

std::string PartlyReadQuestion(const std::string& styleFileName, const std::string& partlyReadFrom) {
    return platform::Arg(
        platform::Translate("Questions",
                            "The style was only partly read from \"%1\": the values after the "
                            "damaged one are those it had before.\nSave this mixture to Style "
                            "\"%2\"?"),
        {FileNamePart(partlyReadFrom), CaptionName(styleFileName)});
}

bool ExitSteps(const std::string& settingsPath, const std::string& styleFileName,
               const std::function<TSaveAnswer(const std::string& question)>& askToSave,
               const std::function<void()>& writeStyle,
               const std::function<void(const std::string& message)>& reportError,
               const TStyleOrigin& origin) {
    try {
        WriteStartup(settingsPath, origin.startupNotRead.value_or(styleFileName));
    } catch (const platform::Error& e) {
        reportError(e.what());
    }
    TSavePolicy policy = SavePolicyOf(ReadSaveValue(settingsPath));
    if (policy == spSaveOnExit && origin.partlyReadFrom) policy = spPromptBeforeSaving;
    const std::string question = origin.partlyReadFrom
                                     ? PartlyReadQuestion(styleFileName, *origin.partlyReadFrom)
                                     : SaveQuestion(styleFileName);
    switch (policy) {
        case spSaveOnExit: writeStyle(); return true;
        case spPromptBeforeSaving:
            switch (askToSave(question)) {
                case TSaveAnswer::Yes: writeStyle(); return true;
                case TSaveAnswer::No: return true;
                case TSaveAnswer::Cancel: return false;
            }
            return false;
        case spDoNotSave: return true;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <algorithm>
#include <optional>

#include "platform/Translate.h"

namespace {

// Options the toolkit takes from the command line, with a value, and without.
constexpr std::string_view kToolkitOptionsWithValue[] = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-name",          "-title"};
constexpr std::string_view kToolkitFlags[] = {"-reverse", "-sync", "-widgetcount", "-nograb", "-dograb"};

template <typename List>
bool Contains(const List& list, std::string_view word) {
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

using platform::Arg;
using platform::Translate;

TCommandLine Failure(std::string message) {
    TCommandLine line;
    line.action = TCommandLine::Action::Error;
    line.error = std::move(message);
    return line;
}

// What the words say before they are checked against each other.
struct Words {
    bool help = false;
    bool version = false;
    std::vector<std::string> prints;
    std::vector<std::string> reads;
    std::vector<std::string> files;
};

// Reads the words after the program's path. An option is written with two dashes or with one,
// as the toolkit's own options are ("-print" is "--print", not "-p -r -i -n -t"); a value
// follows "=" or is the next word. After "--" every word is a file. The toolkit's options are
// passed over. Returns the error, if any.
std::optional<std::string> ReadWords(const std::vector<std::string>& arguments, Words& words) {
    bool filesOnly = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (filesOnly || word.size() < 2 || word[0] != '-') {
            words.files.push_back(word);
            continue;
        }
        if (word == "--") {
            filesOnly = true;
            continue;
        }
        if (Contains(kToolkitOptionsWithValue, word)) {
            ++i;
            continue;
        }
        if (Contains(kToolkitFlags, word)) continue;
        const std::size_t dashes = word.starts_with("--") ? 2 : 1;
        const std::size_t equals = word.find('=');
        const std::string name =
            word.substr(dashes, equals == std::string::npos ? std::string::npos : equals - dashes);
        const std::string written = word.substr(0, equals);
        if (name == "print" || name == "read") {
            std::vector<std::string>& values = name == "print" ? words.prints : words.reads;
            if (equals != std::string::npos) {
                values.push_back(word.substr(equals + 1));
            } else if (i + 1 < arguments.size()) {
                values.push_back(arguments[++i]);
            } else {
                return Arg(Translate("CommandLine", "Missing value after '%1'."), {written});
            }
            continue;
        }
        bool* flag = name == "h" || name == "help"      ? &words.help
                     : name == "v" || name == "version" ? &words.version
                                                        : nullptr;
        if (flag == nullptr) return Arg(Translate("CommandLine", "Unknown option '%1'."), {name});
        if (equals != std::string::npos)
            return Arg(Translate("CommandLine", "Unexpected value after '%1'."), {written});
        *flag = true;
    }
    return std::nullopt;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    Words words;
    if (std::optional<std::string> error = ReadWords(arguments, words)) return Failure(std::move(*error));

    TCommandLine line;
    if (words.help) {
        line.action = TCommandLine::Action::Help;
        return line;
    }
    if (words.version) {
        line.action = TCommandLine::Action::Version;
        return line;
    }
    if (!words.reads.empty()) {
        if (words.reads.size() > 1) return Failure(Translate("CommandLine", "Only one --read can be given."));
        if (!words.files.empty()) return Failure(Translate("CommandLine", "--read takes no style file."));
        if (words.prints.empty()) return Failure(Translate("CommandLine", "--read needs --print WHAT."));
    }
    if (words.files.size() > 1)
        return Failure(Translate("CommandLine", "Only one style file can be opened at a time."));
    if (!words.files.empty()) line.styleFile = words.files.front();
    if (!words.prints.empty()) {
        if (words.prints.size() > 1)
            return Failure(Translate("CommandLine", "Only one --print can be given."));
        line.what = words.prints.front();
        if (!Contains(kPrintTexts, line.what)) {
            return Failure(Arg(
                Translate("CommandLine", "--print takes font, font-text, body, css or html5, not \"%1\"."),
                {line.what}));
        }
        if (!words.reads.empty()) {
            line.readFile = words.reads.front();
            if (line.readFile.empty())
                return Failure(Translate("CommandLine", "--read needs a file, or - for standard input."));
            line.action = TCommandLine::Action::Read;
            return line;
        }
        if (line.styleFile.empty()) return Failure(Translate("CommandLine", "--print needs a style file."));
        line.action = TCommandLine::Action::Print;
    }
    return line;
}

// Each paragraph is one text, so that a translation keeps its columns and breaks its own
// lines; the option names and the texts --print knows are typed, and stay as they are.
std::string UsageText(std::string_view programName) {
    const char* const paragraphs[] = {
        QT_TRANSLATE_NOOP("Usage",
                          "Usage: %1 [STYLE.vls]\n"
                          "       %1 --print WHAT STYLE.vls\n"
                          "       %1 --read FILE --print WHAT"),
        QT_TRANSLATE_NOOP("Usage", "Compose HTML font and body tags with the mouse and copy them."),
        "",
        QT_TRANSLATE_NOOP("Usage",
                          "  STYLE.vls           open this style instead of the start-up style; when a copy\n"
                          "                      is running already, it opens the style there"),
        QT_TRANSLATE_NOOP(
            "Usage",
            "  --print WHAT        print a text of the style and exit, without a window; WHAT is\n"
            "                      font       the font tag\n"
            "                      font-text  the font tag with its text\n"
            "                      body       the body tag\n"
            "                      css        the style sheet\n"
            "                      html5      the HTML5 markup"),
        QT_TRANSLATE_NOOP("Usage",
                          "  --read FILE         read FILE (- for standard input) as Paste Tag reads the\n"
                          "                      clipboard, markup or CSS, and print WHAT of the result;\n"
                          "                      what is not read goes to standard error, and the exit code\n"
                          "                      is 1 when nothing was read"),
        QT_TRANSLATE_NOOP("Usage", "  -h, --help          show this help and exit"),
        QT_TRANSLATE_NOOP("Usage", "  -v, --version       show the version and exit"),
    };
    std::string usage;
    for (const char* paragraph : paragraphs) {
        if (*paragraph != '\0')
            usage += platform::Arg(platform::Translate("Usage", paragraph), {programName});
        usage += '\n';
    }
    return usage;
}

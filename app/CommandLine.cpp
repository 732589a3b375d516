#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

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

QStringList WithoutToolkitOptions(const std::vector<std::string>& arguments) {
    QStringList ours;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--") {
            for (; i < arguments.size(); ++i) ours << QString::fromLocal8Bit(arguments[i].c_str());
            break;
        }
        if (i > 0 && Contains(kToolkitOptionsWithValue, word)) {
            ++i;
            continue;
        }
        if (i > 0 && Contains(kToolkitFlags, word)) continue;
        ours << QString::fromLocal8Bit(word.c_str());
    }
    return ours;
}

TCommandLine Failure(std::string message) {
    TCommandLine line;
    line.action = TCommandLine::Action::Error;
    line.error = std::move(message);
    return line;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    // "-print" is "--print", as the toolkit's own options are written with one dash, rather
    // than "-p -r -i -n -t".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption print("print", "", "WHAT");
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(print);
    QStringList words = WithoutToolkitOptions(arguments);
    if (words.isEmpty()) words << "velloran";
    if (!parser.parse(words)) return Failure(parser.errorText().toStdString());

    TCommandLine line;
    if (parser.isSet(help)) {
        line.action = TCommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = TCommandLine::Action::Version;
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return Failure("Only one style file can be opened at a time.");
    if (!files.isEmpty()) line.styleFile = files.front().toLocal8Bit().toStdString();
    if (parser.isSet(print)) {
        if (parser.values(print).size() > 1) return Failure("Only one --print can be given.");
        line.what = parser.value(print).toStdString();
        if (!Contains(kPrintTexts, line.what)) {
            return Failure("--print takes font, font-text, body or css, not \"" + line.what + "\".");
        }
        if (line.styleFile.empty()) return Failure("--print needs a style file.");
        line.action = TCommandLine::Action::Print;
    }
    return line;
}

std::string UsageText(std::string_view programName) {
    const std::string name(programName);
    return "Usage: " + name + " [STYLE.vls]\n" + "       " + name +
           " --print WHAT STYLE.vls\n"
           "Compose HTML font and body tags with the mouse and copy them.\n"
           "\n"
           "  STYLE.vls           open this style instead of the start-up style; when a copy\n"
           "                      is running already, it opens the style there\n"
           "  --print WHAT        print a text of the style and exit, without a window; WHAT is\n"
           "                      font       the font tag\n"
           "                      font-text  the font tag with its text\n"
           "                      body       the body tag\n"
           "                      css        the style sheet\n"
           "  -h, --help          show this help and exit\n"
           "  -v, --version       show the version and exit\n";
}

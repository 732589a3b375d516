// SPDX-License-Identifier: GPL-3.0-or-later
// cataloguetable OUT.cpp CATALOGUE.ts...
// Writes the finished translations of the catalogues as the front program's table
// (cli/Catalogue.h): one entry per language, context and text, sorted byte by byte, so that
// the program finds a text by binary search and the same catalogues always give the same file.
// Unfinished and vanished entries are left out, and so are those the front program cannot ask
// for: plural forms and texts told apart by a comment.

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

using Key = std::tuple<QByteArray, QByteArray, QByteArray>;  // language, context, source
using Table = std::map<Key, QByteArray>;

struct Message {
    QByteArray source;
    QByteArray translation;
    bool usable = true;
};

// A string literal of C++ that holds exactly these bytes: anything but plain ASCII as an octal
// escape, which never runs on into the next character as a hex escape can.
QByteArray Literal(const QByteArray& bytes) {
    QByteArray out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte >= 0x20 && byte < 0x7f) {
            out += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + '"';
}

Message ReadMessage(QXmlStreamReader& xml) {
    Message message;
    if (xml.attributes().value(QLatin1String("numerus")) == u"yes") message.usable = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText().toUtf8();
        } else if (xml.name() == u"translation") {
            if (!xml.attributes().value(QLatin1String("type")).isEmpty()) message.usable = false;
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements).toUtf8();
        } else {
            if (xml.name() == u"comment") message.usable = false;
            xml.skipCurrentElement();
        }
    }
    if (message.source.isEmpty() || message.translation.isEmpty()) message.usable = false;
    return message;
}

// Adds the catalogue's finished entries to `table`; returns an error, or an empty string.
QString ReadCatalogue(const QString& path, Table& table) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return path + QStringLiteral(": ") + file.errorString();
    QXmlStreamReader xml(&file);
    QByteArray language;
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"TS") {
            language = xml.attributes().value(QLatin1String("language")).toUtf8();
            if (language.isEmpty()) return path + QStringLiteral(": the catalogue names no language");
        } else if (xml.name() == u"name") {
            context = xml.readElementText().toUtf8();
        } else if (xml.name() == u"message") {
            const Message message = ReadMessage(xml);
            if (message.usable) table.emplace(Key{language, context, message.source}, message.translation);
        }
    }
    if (xml.hasError()) {
        return path + QStringLiteral(":%1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return {};
}

QByteArray Source(const Table& table) {
    QByteArray out =
        "// Written by tools/cataloguetable from the catalogues in translations/; not to be edited.\n"
        "#include <array>\n\n#include \"cli/Catalogue.h\"\n\nnamespace {\n\n"
        "constexpr std::array<TCatalogueEntry, " +
        QByteArray::number(static_cast<qulonglong>(table.size())) + "> kEntries{{\n";
    for (const auto& [key, translation] : table) {
        const auto& [language, context, source] = key;
        out += "    {" + Literal(language) + ", " + Literal(context) + ", " + Literal(source) + ", " +
               Literal(translation) + "},\n";
    }
    out +=
        "}};\n\n}  // namespace\n\nstd::span<const TCatalogueEntry> FrontCatalogue() { return kEntries; }\n";
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cataloguetable OUT.cpp CATALOGUE.ts...\n");
        return 2;
    }
    Table table;
    for (int i = 2; i < argc; ++i) {
        const QString error = ReadCatalogue(QString::fromLocal8Bit(argv[i]), table);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cataloguetable: %s\n", qPrintable(error));
            return 1;
        }
    }
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(Source(table)) < 0 || !out.commit()) {
        std::fprintf(stderr, "cataloguetable: %s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

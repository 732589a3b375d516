// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas::DrawText: the classic text output that the controls lay their captions out with.
//
// The text is laid out here rather than by Qt's text engine so that measuring and drawing
// agree to the pixel and follow the classic rules: lines are ascent + descent high with no
// leading, word breaks happen only at spaces (a word wider than the rectangle overflows
// instead of being split), and an ampersand marks the next character for underlining.

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <vector>

#include "platform/Canvas.h"
#include "platform/SysColors.h"

namespace platform {

namespace {

const QString kEllipsis = QStringLiteral("...");

// The characters that are shown, after the prefix marks are taken out.
struct ShownText {
    QString text;
    std::vector<int> underlined;  // indices into text, ascending
};

struct Line {
    QString text;
    std::vector<int> underlined;  // indices into text
    int width = 0;
};

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// "&x" shows x underlined and "&&" shows one ampersand. A lone ampersand at the very end
// has nothing to mark and is dropped.
ShownText StripPrefixes(const QString& text, bool prefixes) {
    ShownText shown;
    if (!prefixes) {
        shown.text = text;
        return shown;
    }
    shown.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            shown.text.append(text[i]);
            continue;
        }
        if (++i == text.size()) break;
        if (text[i] != u'&' && !IsLineBreak(text[i])) {
            shown.underlined.push_back(static_cast<int>(shown.text.size()));
        }
        shown.text.append(text[i]);
    }
    return shown;
}

class LineBuilder {
public:
    LineBuilder(const ShownText& shown, const QFontMetrics& metrics) : shown_(shown), metrics_(metrics) {}

    int WidthOf(qsizetype start, qsizetype length) const {
        return metrics_.horizontalAdvance(shown_.text.mid(start, length));
    }

    void Add(std::vector<Line>& lines, qsizetype start, qsizetype length) const {
        Line line;
        line.text = shown_.text.mid(start, length);
        for (const int u : shown_.underlined) {
            if (u >= start && u < start + length) line.underlined.push_back(static_cast<int>(u - start));
        }
        line.width = WidthOf(start, length);
        lines.push_back(std::move(line));
    }

    // Greedy breaking at spaces: each line takes as many whole words as fit in maxWidth, but
    // at least one. The spaces at a break belong to neither line.
    void AddWrapped(std::vector<Line>& lines, qsizetype begin, qsizetype end, int maxWidth) const {
        const QString& s = shown_.text;
        qsizetype pos = begin;
        do {
            qsizetype lineEnd = -1;
            qsizetype scan = pos;
            while (scan < end || lineEnd < 0) {
                qsizetype wordEnd = scan;
                while (wordEnd < end && s[wordEnd] == u' ') ++wordEnd;
                while (wordEnd < end && s[wordEnd] != u' ') ++wordEnd;
                if (lineEnd >= 0 && WidthOf(pos, wordEnd - pos) > maxWidth) break;
                lineEnd = wordEnd;
                scan = wordEnd;
            }
            Add(lines, pos, lineEnd - pos);
            pos = lineEnd;
            while (pos < end && s[pos] == u' ') ++pos;
        } while (pos < end);
    }

private:
    const ShownText& shown_;
    const QFontMetrics& metrics_;
};

std::vector<Line> BreakLines(const ShownText& shown, const QFontMetrics& metrics, int maxWidth,
                             unsigned flags) {
    std::vector<Line> lines;
    if (shown.text.isEmpty()) return lines;
    const LineBuilder builder(shown, metrics);
    if ((flags & DT_SINGLELINE) != 0) {
        builder.Add(lines, 0, shown.text.size());
        return lines;
    }
    // CR, LF and CR LF each end a paragraph; a paragraph may be empty.
    const QString& s = shown.text;
    qsizetype begin = 0;
    while (true) {
        qsizetype end = begin;
        while (end < s.size() && !IsLineBreak(s[end])) ++end;
        if ((flags & DT_WORDBREAK) != 0 && end > begin) {
            builder.AddWrapped(lines, begin, end, maxWidth);
        } else {
            builder.Add(lines, begin, end - begin);
        }
        if (end == s.size()) break;
        begin = end + ((s[end] == u'\r' && end + 1 < s.size() && s[end + 1] == u'\n') ? 2 : 1);
        if (begin == s.size()) break;
    }
    return lines;
}

// Shortens a line that is wider than maxWidth to its longest start that fits with "..."
// after it. When not even the dots fit, as many dots as fit are kept.
void EndWithEllipsis(Line& line, const QFontMetrics& metrics, int maxWidth) {
    if (line.width <= maxWidth) return;
    qsizetype keep = line.text.size();
    while (keep > 0 && metrics.horizontalAdvance(line.text.left(keep) + kEllipsis) > maxWidth) --keep;
    QString cut = line.text.left(keep) + kEllipsis;
    if (keep == 0) {
        while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > maxWidth) cut.chop(1);
    }
    std::erase_if(line.underlined, [keep](int u) { return u >= keep; });
    line.text = cut;
    line.width = metrics.horizontalAdvance(cut);
}

// On a single line CR and LF are not breaks; the font's glyph for them would be a box, so
// they show as blanks.
void BlankLineBreaks(ShownText& shown) {
    for (QChar& c : shown.text) {
        if (IsLineBreak(c)) c = u' ';
    }
}

}  // namespace

// The text is clipped to the rectangle, as classic text output is unless told otherwise;
// the box label relies on this to keep its caption off its frame.
int Canvas::DrawText(const QString& text, Rect& rect, unsigned flags) {
    const QFontMetrics metrics(font_, painter_->device());
    const int lineHeight = metrics.ascent() + metrics.descent();

    ShownText shown = StripPrefixes(text, (flags & DT_NOPREFIX) == 0);
    const bool singleLine = (flags & DT_SINGLELINE) != 0;
    if (singleLine) BlankLineBreaks(shown);
    std::vector<Line> lines = BreakLines(shown, metrics, rect.Width(), flags);
    if ((flags & DT_END_ELLIPSIS) != 0) {
        for (Line& line : lines) EndWithEllipsis(line, metrics, rect.Width());
    }

    int textWidth = 0;
    for (const Line& line : lines) textWidth = std::max(textWidth, line.width);
    // An empty text is no line at all, except that a single line is always one line high.
    const int textHeight = singleLine ? lineHeight : static_cast<int>(lines.size()) * lineHeight;

    if ((flags & DT_CALCRECT) != 0) {
        rect.right = rect.left + textWidth;
        rect.bottom = rect.top + textHeight;
        return textHeight;
    }

    int y = rect.top;
    if (singleLine && (flags & DT_VCENTER) != 0) {
        y = rect.top + (rect.Height() - lineHeight) / 2;
    } else if (singleLine && (flags & DT_BOTTOM) != 0) {
        y = rect.bottom - lineHeight;
    }
    // Classic output answers, for a line placed in the middle or at the bottom, the distance
    // from the rectangle's top to the bottom of the text.
    const int result = y == rect.top ? textHeight : y - rect.top + lineHeight;
    if (lines.empty() || rect.Width() <= 0 || rect.Height() <= 0) return result;

    QPainter& p = *painter_;
    p.save();
    p.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                  p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(font_);
    const QColor ink = ToQColor(fontColor_);
    const QColor cell = ToQColor(brushColor_);
    p.setPen(ink);
    const int underlineY = std::min(metrics.ascent() + std::max(metrics.underlinePos(), 1), lineHeight - 1);
    const int underlineThickness = std::max(metrics.lineWidth(), 1);

    for (const Line& line : lines) {
        int x = rect.left;
        if ((flags & DT_CENTER) != 0) {
            x = rect.left + (rect.Width() - line.width) / 2;
        } else if ((flags & DT_RIGHT) != 0) {
            x = rect.right - line.width;
        }
        if (brushStyle_ == BrushStyle::bsSolid) p.fillRect(x, y, line.width, lineHeight, cell);
        p.drawText(x, y + metrics.ascent(), line.text);
        for (const int u : line.underlined) {
            const int from = metrics.horizontalAdvance(line.text.left(u));
            const int to = metrics.horizontalAdvance(line.text.left(u + 1));
            p.fillRect(x + from, y + underlineY, to - from, underlineThickness, ink);
        }
        y += lineHeight;
    }
    p.restore();
    return result;
}

}  // namespace platform

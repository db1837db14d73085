#include "configfile/ini_document.h"

#include <QSet>

namespace orvik {

namespace {

const QByteArray kLineBreak = QByteArrayLiteral("\r\n");

bool isBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Names match without regard to letter case, Latin-1 letters included.
QByteArray folded(QByteArrayView name)
{
    QByteArray out = name.toByteArray();
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 32);
    }
    return out;
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

QByteArray keyLine(QByteArrayView key, QByteArrayView value)
{
    return key.toByteArray() + '=' + value.toByteArray();
}

} // namespace

IniDocument::Line::Line(QByteArray lineText, QByteArray lineEnd)
    : text(std::move(lineText)), end(std::move(lineEnd))
{
    const QByteArrayView t = trimmed(text);
    if (t.startsWith('[')) {
        const qsizetype close = t.lastIndexOf(']');
        if (close > 0) {
            type = Section;
            name = trimmed(t.sliced(1, close - 1)).toByteArray();
            folded = orvik::folded(name);
            return;
        }
    }
    const qsizetype eq = t.indexOf('=');
    if (eq < 0)
        return;
    type = Key;
    name = trimmed(t.first(eq)).toByteArray();
    folded = orvik::folded(name);
    value = trimmed(t.sliced(eq + 1)).toByteArray();
}

IniDocument::IniDocument(QByteArrayView bytes)
{
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < n)
            next += bytes[next] == '\r' && next + 1 < n && bytes[next + 1] == '\n' ? 2 : 1;
        lines_.emplace_back(bytes.sliced(start, end - start).toByteArray(),
                            bytes.sliced(end, next - end).toByteArray());
        start = next;
    }
}

qsizetype IniDocument::findSection(const QByteArray& section) const
{
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        if (lines_[i].type == Line::Section && lines_[i].folded == section)
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    if (!values_) {
        // Only the first section of a name counts, and in it the first key.
        values_.emplace();
        QSet<QByteArray> seen;
        const QByteArray* current = nullptr;
        for (const Line& line : lines_) {
            if (line.type == Line::Section) {
                current = seen.contains(line.folded) ? nullptr : &line.folded;
                seen.insert(line.folded);
            } else if (line.type == Line::Key && current) {
                const std::pair name{*current, line.folded};
                if (!values_->contains(name))
                    values_->insert(name, unquoted(line.value).toByteArray());
            }
        }
    }
    const auto it = values_->constFind({folded(section), folded(key)});
    if (it == values_->cend())
        return std::nullopt;
    return *it;
}

void IniDocument::endWithBreak(qsizetype line)
{
    if (lines_[line].end.isEmpty())
        lines_[line].end = kLineBreak;
}

void IniDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    values_.reset();
    const qsizetype s = findSection(folded(section));
    if (s < 0) {
        if (!lines_.empty())
            endWithBreak(lines_.size() - 1);
        lines_.emplace_back('[' + section.toByteArray() + ']', kLineBreak);
        lines_.emplace_back(keyLine(key, value), kLineBreak);
        return;
    }
    const QByteArray wanted = folded(key);
    qsizetype lastKey = s;
    for (qsizetype i = s + 1; i < qsizetype(lines_.size()); ++i) {
        Line& line = lines_[i];
        if (line.type == Line::Section)
            break;
        if (line.type != Line::Key)
            continue;
        if (line.folded == wanted) {
            // The file's own spelling of the key stays.
            line = Line(keyLine(line.name, value), kLineBreak);
            return;
        }
        lastKey = i;
    }
    endWithBreak(lastKey);
    lines_.emplace(lines_.begin() + lastKey + 1, keyLine(key, value), kLineBreak);
}

QByteArray IniDocument::bytes() const
{
    QByteArray out;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}

} // namespace orvik

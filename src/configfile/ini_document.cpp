#include "configfile/ini_document.h"

#include <QLatin1StringView>

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

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return QLatin1StringView(a).compare(QLatin1StringView(b), Qt::CaseInsensitive) == 0;
}

// What one line says.
struct Parsed {
    enum Type { Other, Section, Key } type = Other;
    QByteArrayView name;
    QByteArrayView value;
};

Parsed parse(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (text.startsWith('[')) {
        const qsizetype close = text.lastIndexOf(']');
        if (close > 0)
            return {Parsed::Section, trimmed(text.sliced(1, close - 1)), {}};
    }
    const qsizetype eq = text.indexOf('=');
    if (eq < 0)
        return {};
    return {Parsed::Key, trimmed(text.first(eq)), trimmed(text.sliced(eq + 1))};
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
        lines_.push_back({bytes.sliced(start, end - start).toByteArray(),
                          bytes.sliced(end, next - end).toByteArray()});
        start = next;
    }
}

qsizetype IniDocument::findSection(QByteArrayView section) const
{
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.type == Parsed::Section && sameName(p.name, section))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const qsizetype s = findSection(section);
    if (s < 0)
        return std::nullopt;
    for (qsizetype i = s + 1; i < qsizetype(lines_.size()); ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.type == Parsed::Section)
            break;
        if (p.type == Parsed::Key && sameName(p.name, key))
            return unquoted(p.value).toByteArray();
    }
    return std::nullopt;
}

void IniDocument::endWithBreak(qsizetype line)
{
    if (lines_[line].end.isEmpty())
        lines_[line].end = kLineBreak;
}

void IniDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const qsizetype s = findSection(section);
    if (s < 0) {
        if (!lines_.empty())
            endWithBreak(lines_.size() - 1);
        lines_.push_back({'[' + section.toByteArray() + ']', kLineBreak});
        lines_.push_back({keyLine(key, value), kLineBreak});
        return;
    }
    qsizetype lastKey = s;
    for (qsizetype i = s + 1; i < qsizetype(lines_.size()); ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.type == Parsed::Section)
            break;
        if (p.type != Parsed::Key)
            continue;
        if (sameName(p.name, key)) {
            // The file's own spelling of the key stays.
            lines_[i] = {keyLine(p.name, value), kLineBreak};
            return;
        }
        lastKey = i;
    }
    endWithBreak(lastKey);
    lines_.insert(lines_.begin() + lastKey + 1, {keyLine(key, value), kLineBreak});
}

QByteArray IniDocument::bytes() const
{
    QByteArray out;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}

} // namespace orvik

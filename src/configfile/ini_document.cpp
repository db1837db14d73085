#include "configfile/ini_document.h"

#include <algorithm>
#include <cstring>

namespace orvik {

namespace {

const QByteArray kLineBreak = QByteArrayLiteral("\r\n");
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

struct Line {
    qsizetype start = 0; // of its text
    qsizetype end = 0;   // of its text, where its break begins
    qsizetype next = 0;  // after its break
};

// Calls `visit(line, text)` for each line from `from` on.
template <typename Visit> void forEachLine(QByteArrayView text, qsizetype from, Visit&& visit)
{
    const char* const data = text.data();
    const qsizetype n = text.size();
    for (qsizetype start = from; start < n;) {
        const auto* lf = static_cast<const char*>(std::memchr(data + start, '\n', n - start));
        const qsizetype stop = lf ? lf - data : n;
        const auto* cr = static_cast<const char*>(std::memchr(data + start, '\r', stop - start));
        const qsizetype end = cr ? cr - data : stop;
        qsizetype next = end;
        if (next < n)
            next += data[next] == '\r' && next + 1 < n && data[next + 1] == '\n' ? 2 : 1;
        visit(Line{start, end, next}, text.sliced(start, end - start));
        start = next;
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The name a trimmed line opens a section with, if it does.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.lastIndexOf(']');
    if (close <= 0)
        return std::nullopt;
    return trimmed(line.sliced(1, close - 1));
}

struct KeyLine {
    QByteArrayView name;
    QByteArrayView value;
};

std::optional<KeyLine> keyLine(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return KeyLine{trimmed(line.first(eq)), trimmed(line.sliced(eq + 1))};
}

unsigned char folded(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<unsigned char>(u + 32);
    return u;
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// Only the first section of a name counts: `Group` is one wanted section,
// whose header lines open it the first time only.
template <typename Group> Group* openSection(std::vector<Group>& groups, QByteArrayView name)
{
    for (Group& g : groups) {
        if (sameIniName(g.section, name)) {
            if (g.seen)
                return nullptr;
            g.seen = true;
            return &g;
        }
    }
    return nullptr;
}

// Calls `visit(group, line, key)` for the header that opens each of `groups`
// (with no key) and for each key line in it, from `from` on.
template <typename Group, typename Visit>
void forEachWantedLine(QByteArrayView text, qsizetype from, std::vector<Group>& groups,
                       Visit&& visit)
{
    Group* current = nullptr;
    forEachLine(text, from, [&](const Line& at, QByteArrayView whole) {
        const QByteArrayView line = trimmed(whole);
        if (const auto section = sectionName(line)) {
            current = openSection(groups, *section);
            if (current)
                visit(*current, at, std::optional<KeyLine>());
            return;
        }
        // Lines outside the sections asked for are not even split.
        if (current) {
            if (const auto key = keyLine(line))
                visit(*current, at, key);
        }
    });
}

template <typename Group> Group& groupOf(std::vector<Group>& groups, QByteArrayView section)
{
    const auto it = std::find_if(groups.begin(), groups.end(),
                                 [&](const Group& g) { return sameIniName(g.section, section); });
    if (it != groups.end())
        return *it;
    groups.push_back({section});
    return groups.back();
}

QByteArray keyText(QByteArrayView key, QByteArrayView value, QByteArrayView lineBreak)
{
    QByteArray text;
    text.reserve(key.size() + value.size() + lineBreak.size() + 1);
    text.append(key).append('=').append(value).append(lineBreak);
    return text;
}

// The break that ends the first line that has one: lines written into a text
// end as its lines do. A text without one is new, and takes CR LF.
QByteArrayView lineBreakOf(QByteArrayView text)
{
    const qsizetype at = text.indexOf('\n');
    const qsizetype cr = text.first(at < 0 ? text.size() : at).indexOf('\r');
    if (cr >= 0)
        return text.sliced(cr, cr + 1 == at ? 2 : 1);
    return at < 0 ? QByteArrayView(kLineBreak) : text.sliced(at, 1);
}

bool endsWithBreak(QByteArrayView text)
{
    return text.endsWith('\r') || text.endsWith('\n');
}

} // namespace

bool sameIniName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

QByteArray IniText::joined() const
{
    qsizetype size = 0;
    for (const QByteArrayView piece : pieces_)
        size += piece.size();
    QByteArray out;
    out.reserve(size);
    for (const QByteArrayView piece : pieces_)
        out.append(piece);
    return out;
}

IniDocument::IniDocument(QByteArray text) : text_(std::move(text)) {}

bool IniDocument::hasUtf8Mark() const
{
    return text_.startsWith(kUtf8Mark);
}

qsizetype IniDocument::bodyStart() const
{
    return hasUtf8Mark() ? kUtf8Mark.size() : 0;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const IniName name{section, key};
    const std::optional<QByteArrayView> found = values({&name, 1}).front();
    if (!found)
        return std::nullopt;
    return found->toByteArray();
}

std::vector<std::optional<QByteArrayView>> IniDocument::values(std::span<const IniName> names) const
{
    struct Group {
        QByteArrayView section;
        bool seen = false;
        std::vector<std::size_t> names = {};
    };
    std::vector<Group> groups;
    for (std::size_t i = 0; i < names.size(); ++i)
        groupOf(groups, names[i].section).names.push_back(i);

    std::vector<std::optional<QByteArrayView>> found(names.size());
    const auto take = [&](Group& group, const Line&, const std::optional<KeyLine>& key) {
        if (!key)
            return;
        // A name found is no longer looked for, since the first key wins; in
        // a file in the usual order the next name left is the one.
        std::vector<std::size_t>& left = group.names;
        const auto it = std::find_if(left.begin(), left.end(), [&](std::size_t i) {
            return sameIniName(key->name, names[i].key);
        });
        if (it != left.end()) {
            found[*it] = unquoted(key->value);
            left.erase(it);
        }
    };
    forEachWantedLine(text_, bodyStart(), groups, take);
    return found;
}

IniText IniDocument::updated(std::span<const IniEntry> entries) const
{
    struct Key {
        const IniEntry* entry;
        std::optional<Line> line = std::nullopt; // where it stands
        QByteArrayView spelling = {};            // the file's own, which stays
    };
    struct Group {
        QByteArrayView section;
        bool seen = false;
        std::vector<Key> keys = {};
        Line last = {}; // its last key line, or its header
    };
    std::vector<Group> groups;
    for (const IniEntry& e : entries) {
        std::vector<Key>& keys = groupOf(groups, e.section).keys;
        const auto same = std::find_if(keys.begin(), keys.end(), [&](const Key& k) {
            return sameIniName(k.entry->key, e.key);
        });
        if (same != keys.end())
            same->entry = &e;
        else
            keys.push_back({&e});
    }

    const auto place = [](Group& group, const Line& at, const std::optional<KeyLine>& key) {
        group.last = at;
        if (!key)
            return;
        for (Key& k : group.keys) {
            if (!k.line && sameIniName(key->name, k.entry->key)) {
                k.line = at;
                k.spelling = key->name;
                break;
            }
        }
    };
    forEachWantedLine(text_, bodyStart(), groups, place);

    struct Edit {
        qsizetype from;
        qsizetype to;
        QByteArray text;
    };
    std::vector<Edit> edits;
    QByteArray appended;
    const QByteArrayView lineBreak = lineBreakOf(QByteArrayView(text_).sliced(bodyStart()));
    for (const Group& g : groups) {
        QByteArray added;
        // The line that new keys follow lacks a break only at the very end,
        // and a replaced line has one.
        bool breakAfterLast = g.last.next > g.last.end;
        for (const Key& k : g.keys) {
            if (k.line) {
                edits.push_back(
                    {k.line->start, k.line->next, keyText(k.spelling, k.entry->value, lineBreak)});
                breakAfterLast |= k.line->start == g.last.start;
            } else {
                added += keyText(k.entry->key, k.entry->value, lineBreak);
            }
        }
        if (!g.seen) {
            appended.append('[').append(g.section).append(']').append(lineBreak).append(added);
        } else if (!added.isEmpty()) {
            if (!breakAfterLast)
                added.prepend(lineBreak);
            edits.push_back({g.last.next, g.last.next, std::move(added)});
        }
    }
    // A key inserted after a line comes before a replacement of the next one.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.from != b.from ? a.from < b.from : a.to < b.to;
    });

    IniText out;
    out.source_ = text_;
    out.added_.reserve(edits.size() + 1);
    const auto keep = [&](qsizetype from, qsizetype to) {
        if (to > from)
            out.pieces_.push_back(QByteArrayView(out.source_).sliced(from, to - from));
    };
    const auto add = [&](QByteArray text) {
        out.added_.push_back(std::move(text));
        out.pieces_.push_back(out.added_.back());
    };
    qsizetype at = 0;
    for (Edit& e : edits) {
        keep(at, e.from);
        add(std::move(e.text));
        at = e.to;
    }
    keep(at, text_.size());
    if (!appended.isEmpty()) {
        if (text_.size() > bodyStart() && !endsWithBreak(out.pieces_.back()))
            appended.prepend(lineBreak);
        add(std::move(appended));
    }
    return out;
}

} // namespace orvik
